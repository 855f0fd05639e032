#include "JobDoc.h"

#include "records/Job.h"
#include "settings/SettingsStore.h"

#include <algorithm>

JobDoc::JobDoc(DocumentKind::Id kind) : JobBaseDoc(DocumentKind::get(kind).createRecord())
{
}

Job& JobDoc::job() const
{
    return static_cast<Job&>(*record());
}

bool JobDoc::onNewDocument(QString* error)
{
    if (!JobBaseDoc::onNewDocument(error))
        return false;
    using namespace SettingKeys;
    Job& j = job();
    j.chargeTravelDistance = SettingsStore::get(ChargeTravelDistance) == 1;
    j.chargeTravelTime = SettingsStore::get(ChargeTravelTime) == 1;
    j.displayEAOE = SettingsStore::get(DisplayEAOE) == 1;
    j.daysValid = uint32_t(std::max(0, SettingsStore::get(*j.kind().termsSetting)));
    j.costPerMile = SettingsStore::get(CostPerMile);
    j.hourlyRate = SettingsStore::get(HourlyRate);
    j.hoursPurchase = SettingsStore::get(TimePurchase) / 100.0;
    j.hoursInspection = SettingsStore::get(TimeInspection) / 100.0;
    j.hoursAdmin = SettingsStore::get(TimeAdmin) / 100.0;
    j.hoursResearch = SettingsStore::get(TimeResearch) / 100.0;
    return true;
}
