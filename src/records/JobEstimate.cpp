#include "JobEstimate.h"

JobEstimate::JobEstimate() : Job(DocumentKind::Estimate)
{
    reset();
}
