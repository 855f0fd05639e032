#pragma once

#include "JobBaseDoc.h"
#include "records/JobInvoice.h"

/// The document of an invoice.
class JobInvoiceDoc : public JobBaseDoc
{
public:
    /// A document of `kind`, a kind whose records are invoices.
    explicit JobInvoiceDoc(DocumentKind::Id kind = DocumentKind::Invoice)
        : JobBaseDoc(DocumentKind::get(kind).createRecord())
    {
    }
    JobInvoice& invoice() { return static_cast<JobInvoice&>(*record()); }

    /// Numbers the document and fills the defaults of new invoices.
    bool onNewDocument(QString* error = nullptr) override;

    /// Records a reminder sent for the invoice: a saved, unchanged document
    /// is saved at once, any other keeps it for its next save (as an issue
    /// is recorded). False with the reason when the save failed.
    bool recordReminder(const Reminder& reminder, QString* error = nullptr);
};
