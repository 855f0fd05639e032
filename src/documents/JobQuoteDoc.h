#pragma once

#include "JobDoc.h"
#include "records/JobQuote.h"

class JobQuoteDoc : public JobDoc
{
public:
    JobQuoteDoc() : JobDoc(&m_record, SettingKeys::TermsQuote) {}
    JobQuote& recordQuote() { return m_record; }

private:
    JobQuote m_record;
};
