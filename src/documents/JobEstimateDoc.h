#pragma once

#include "JobDoc.h"
#include "records/JobEstimate.h"

class JobEstimateDoc : public JobDoc
{
public:
    JobEstimateDoc() : JobDoc(DocumentKind::Estimate) {}
    JobEstimate& recordEstimate() { return static_cast<JobEstimate&>(job()); }
};
