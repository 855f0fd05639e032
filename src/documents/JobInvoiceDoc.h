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
};
