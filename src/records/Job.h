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
    /// daysOnSite, or the days the work and inspection hours take in working
    /// days of `inputs.dailyWorkingHours`; a day of 0 or less gives no days.
    uint32_t effectiveDaysOnSite(const FigureInputs& inputs) const;
    /// The days on site that `hours` of work and inspection take in working
    /// days of `dailyWorkingHours` hundredths of an hour; 0 when that is 0 or less.
    static uint32_t daysForHours(double hours, int32_t dailyWorkingHours);
    ombrel::OMMoney labourHoursCost() const;
    ombrel::OMMoney hoursItemsTotal() const;
    ombrel::OMMoney labourTotal() const;
    ombrel::OMMoney travelTimeCost(const FigureInputs& inputs) const;
    ombrel::OMMoney travelDistanceCost(const FigureInputs& inputs) const;
    ombrel::OMMoney travelCost(const FigureInputs& inputs) const;
    ombrel::OMMoney materialsTotal() const;
    ombrel::OMMoney hireTotal() const;
    ombrel::OMMoney jobTotal(const FigureInputs& inputs) const;

    DocumentSummary summary(const FigureInputs& inputs) const override;
    /// Materials and hire lines take `rate`; labour carries no VAT of its own.
    void applyStandardRate(int32_t rate) override;
    /// `other` is an estimate or a quote.
    void copyFrom(const JobBase& other) override { Job::operator=(static_cast<const Job&>(other)); }

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

protected:
    using JobBase::JobBase;
    Job(const Job&) = default;

private:
    static ombrel::OMMoney sumOfLines(const ombrel::OMList<JobItem>& items);
    void writeItems(Archive& archive, const char* section, const ombrel::OMList<JobItem>& items);
};
