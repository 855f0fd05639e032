#pragma once

#include "JobDoc.h"
#include "records/JobEstimate.h"

class JobEstimateDoc : public JobDoc
{
public:
    JobEstimateDoc() : JobDoc(&m_record, SettingKeys::TermsEstimate) {}
    JobEstimate& recordEstimate() { return m_record; }

private:
    JobEstimate m_record;
};
