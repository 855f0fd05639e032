#pragma once

#include "JobBaseDoc.h"
#include "records/JobInvoice.h"

class JobInvoiceDoc : public JobBaseDoc
{
public:
    JobInvoiceDoc() : JobBaseDoc(&m_record) {}
    JobInvoice& invoice() { return m_record; }

    /// Numbers the document and fills the defaults of new invoices.
    bool OnNewDocument(QString* error = nullptr) override;

protected:
    Customer& customer() override { return m_record.customer; }
    void applyStandardRate(int32_t rate) override;
    void recalculateAfterVAT() override { m_record.recalculate(true); }

private:
    JobInvoice m_record;
};
