#include "JobEstimate.h"

#include "settings/SettingsStore.h"

JobEstimate::JobEstimate() : Job("estimate", "Estimate")
{
    reset();
}

bool JobEstimate::takeNextNumber(uint32_t& number, QString* error)
{
    return takeNumber(SettingKeys::NextEstimateNo, number, error);
}

bool JobEstimate::giveNumberBack(uint32_t number, QString* error)
{
    return giveBack(SettingKeys::NextEstimateNo, number, error);
}
