#pragma once

#include "Customer.h"
#include "JobBase.h"
#include "JobItem.h"
#include "foundation/OMBool.h"
#include "foundation/OMDouble.h"
#include "foundation/OMList.h"
#include "foundation/OMMoney.h"
#include "foundation/OMUInt32.h"

/**
 * What an estimate or a quote holds, and every money figure worked out from it.
 * Figures are worked out afresh on each call; nothing is cached.
 */
class Job : public JobBase
{
public:
    void reset() override;
    void addItem(const ombrel::OMString& section, const JobItem& item) override;
    void readValue(const ombrel::OMString& section, const ombrel::OMString& key,
                   const ombrel::OMString& value) override;
    int write(Archive& archive) override;

    /// Copies every field but the version and the kind.
    Job& operator=(const Job& other) = default;

    /// "Same as customer", or the location's display text.
    ombrel::OMString locationText() const;

    double totalHours() const;
    /// daysOnSite, or the days the work and inspection hours take at the
    /// "DailyWorkingHours" setting; a setting of 0 or less gives no days.
    uint32_t effectiveDaysOnSite() const;
    /// The days on site that `hours` of work and inspection take at the
    /// "DailyWorkingHours" setting, read afresh; 0 when the setting is 0 or less.
    static uint32_t daysForHours(double hours);
    ombrel::OMMoney labourHoursCost() const;
    ombrel::OMMoney hoursItemsTotal() const;
    ombrel::OMMoney labourTotal() const;
    ombrel::OMMoney travelTimeCost() const;
    ombrel::OMMoney travelDistanceCost() const;
    ombrel::OMMoney travelCost() const;
    ombrel::OMMoney materialsTotal() const;
    ombrel::OMMoney hireTotal() const;
    ombrel::OMMoney jobTotal() const;

    ombrel::OMString reference;
    ombrel::OMString description;
    Customer customer;
    Customer location;
    ombrel::OMMoney hourlyRate;
    ombrel::OMMoney costPerMile;
    ombrel::OMDouble hoursResearch;
    ombrel::OMDouble hoursPurchase;
    ombrel::OMDouble hoursWork;
    ombrel::OMDouble hoursInspection;
    ombrel::OMDouble hoursAdmin;
    ombrel::OMDouble distance;
    ombrel::OMDouble hoursTravel;
    ombrel::OMList<JobItem> hoursItems;
    ombrel::OMList<JobItem> materials;
    ombrel::OMList<JobItem> hire;
    ombrel::OMUInt32 daysOnSite;
    ombrel::OMUInt32 daysValid;
    ombrel::OMBool chargeTravelTime;
    ombrel::OMBool chargeTravelDistance;
    ombrel::OMBool sameAsCustomer = true;
    ombrel::OMBool displayEAOE = true;

protected:
    using JobBase::JobBase;
    Job(const Job&) = default;

private:
    static ombrel::OMMoney sumOfLines(const ombrel::OMList<JobItem>& items);
    void writeItems(Archive& archive, const char* section, const ombrel::OMList<JobItem>& items);
};
