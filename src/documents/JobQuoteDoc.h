#pragma once

#include "JobDoc.h"
#include "records/JobQuote.h"

class JobQuoteDoc : public JobDoc
{
public:
    JobQuoteDoc() : JobDoc(DocumentKind::Quote) {}
    JobQuote& recordQuote() { return static_cast<JobQuote&>(job()); }
};
