#pragma once

#include "JobBaseDoc.h"
#include "settings/SettingKeys.h"

class Job;

/// The document of an estimate or a quote.
class JobDoc : public JobBaseDoc
{
public:
    Job& job() const { return *m_job; }

    /// Numbers the document and fills the defaults of new estimates and quotes.
    bool OnNewDocument(QString* error = nullptr) override;

protected:
    /// `validity` is the setting new documents of the kind take their validity from.
    JobDoc(Job* job, const IntegerSetting& validity);
    Customer& customer() override;
    void applyStandardRate(int32_t rate) override;

private:
    Job* m_job;
    const IntegerSetting& m_validity;
};
