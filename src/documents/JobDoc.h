#pragma once

#include "JobBaseDoc.h"

class Job;

/// The document of an estimate or a quote.
class JobDoc : public JobBaseDoc
{
public:
    Job& job() const { return *m_job; }

    /// Numbers the document and fills the defaults of new estimates and quotes.
    bool OnNewDocument() override;

protected:
    explicit JobDoc(Job* job);
    Customer& customer() override;
    void applyStandardRate(int32_t rate) override;

private:
    Job* m_job;
};
