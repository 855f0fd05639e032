#include "JobDoc.h"

#include "records/Job.h"
#include "settings/SettingsStore.h"

#include <algorithm>

JobDoc::JobDoc(Job* job, const IntegerSetting& validity)
    : JobBaseDoc(job), m_job(job), m_validity(validity)
{
}

bool JobDoc::OnNewDocument(QString* error)
{
    if (!JobBaseDoc::OnNewDocument(error))
        return false;
    using namespace SettingKeys;
    Job& j = *m_job;
    j.chargeTravelDistance = SettingsStore::get(ChargeTravelDistance) == 1;
    j.chargeTravelTime = SettingsStore::get(ChargeTravelTime) == 1;
    j.displayEAOE = SettingsStore::get(DisplayEAOE) == 1;
    j.daysValid = uint32_t(std::max(0, SettingsStore::get(m_validity)));
    j.costPerMile = SettingsStore::get(CostPerMile);
    j.hourlyRate = SettingsStore::get(HourlyRate);
    j.hoursPurchase = SettingsStore::get(TimePurchase) / 100.0;
    j.hoursInspection = SettingsStore::get(TimeInspection) / 100.0;
    j.hoursAdmin = SettingsStore::get(TimeAdmin) / 100.0;
    j.hoursResearch = SettingsStore::get(TimeResearch) / 100.0;
    return true;
}

void JobDoc::applyStandardRate(int32_t rate)
{
    for (ombrel::OMList<JobItem>* list : {&m_job->materials, &m_job->hire}) {
        auto it = list->iterator();
        while (it.hasNext())
            it.next().rate = rate;
    }
}

Customer& JobDoc::customer()
{
    return m_job->customer;
}
