#include "JobEstimate.h"

#include "settings/SettingsStore.h"

JobEstimate::JobEstimate() : Job("estimate", "Estimate")
{
    reset();
}

uint32_t JobEstimate::getNextNumber(bool advance)
{
    return nextNumber(SettingKeys::NextEstimateNo, advance);
}

void JobEstimate::setNextNumber(uint32_t number)
{
    storeNextNumber(SettingKeys::NextEstimateNo, number);
}
