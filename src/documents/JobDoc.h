#pragma once

#include "JobBaseDoc.h"
#include "records/DocumentKind.h"

class Job;

/// The document of an estimate or a quote.
class JobDoc : public JobBaseDoc
{
public:
    /// A document of `kind`, a kind whose records are estimates or quotes.
    explicit JobDoc(DocumentKind::Id kind);

    Job& job() const;

    /// Numbers the document and fills the defaults of new estimates and quotes.
    bool onNewDocument(QString* error = nullptr) override;
};
