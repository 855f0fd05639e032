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
    const auto next = uint32_t(SettingsStore::get(SettingKeys::NextEstimateNo));
    if (advance)
        setNextNumber(next + 1);
    return next;
}

void JobEstimate::setNextNumber(uint32_t number)
{
    SettingsStore::set(SettingKeys::NextEstimateNo, int32_t(number));
}
