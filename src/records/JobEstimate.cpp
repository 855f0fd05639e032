#include "JobEstimate.h"

#include "app/core/SettingsStore.h"

JobEstimate::JobEstimate() : Job("estimate", "Estimate")
{
    reset();
}

JobEstimate::JobEstimate(const JobEstimate& other) : Job("estimate", "Estimate")
{
    version = other.version;
    *this = other;
}

uint32_t JobEstimate::getNextNumber(bool advance)
{
    return nextNumber(SettingKeys::NextEstimateNo, advance);
}

void JobEstimate::setNextNumber(uint32_t number)
{
    storeNextNumber(SettingKeys::NextEstimateNo, number);
}
