#include "FigureInputs.h"

#include "settings/SettingsStore.h"

FigureInputs FigureInputs::current()
{
    FigureInputs inputs;
    inputs.vatRegistered = SettingsStore::isVATRegistered();
    inputs.dailyWorkingHours = SettingsStore::get(SettingKeys::DailyWorkingHours);
    inputs.standardVATRate = SettingsStore::standardVATRate();
    inputs.asOf = ombrel::OMDate::today();
    return inputs;
}
