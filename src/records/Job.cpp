#include "Job.h"

#include "fileformat/Archive.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cmath>
#include <string_view>

using namespace ombrel;

void Job::reset()
{
    JobBase::reset();
    location.reset();
    hourlyRate = 0;
    costPerMile = 0;
    hoursResearch = 0.0;
    hoursPurchase = 0.0;
    hoursWork = 0.0;
    hoursInspection = 0.0;
    hoursAdmin = 0.0;
    distance = 0.0;
    hoursTravel = 0.0;
    hoursItems.clear();
    materials.clear();
    hire.clear();
    daysOnSite = 0;
    daysValid = 0;
    chargeTravelTime = false;
    chargeTravelDistance = false;
    sameAsCustomer = true;
}

void Job::addItem(const OMString& section, const JobItem& item)
{
    if (section.startsWith("hours-")) {
        JobItem copy = item;
        copy.countDefaultsToOne = false;
        hoursItems.add(copy);
    } else if (section.startsWith("materials-")) {
        materials.add(item);
    } else if (section.startsWith("hire-")) {
        hire.add(item);
    }
}

void Job::readValue(const OMString& sectionText, const OMString& keyText, const OMString& value)
{
    // Compared as views: a length that differs settles most keys at once.
    const std::string_view section = sectionText.str();
    const std::string_view key = keyText.str();
    if (section == "job") {
        if (key == "description")
            description = value;
        else if (key == "reference")
            reference = value;
        else if (key == "hourlyRate")
            hourlyRate = OMMoney(value);
        else if (key == "costPerMile")
            costPerMile = OMMoney(value);
        else if (key == "hoursResearch")
            hoursResearch = value;
        else if (key == "hoursPurchase")
            hoursPurchase = value;
        else if (key == "hoursWork")
            hoursWork = value;
        else if (key == "hoursInspection")
            hoursInspection = value;
        else if (key == "hoursAdmin")
            hoursAdmin = value;
        else if (key == "distance")
            distance = value;
        else if (key == "hoursTravel")
            hoursTravel = value;
        else if (key == "daysOnSite")
            daysOnSite = value;
        else if (key == "daysValid")
            daysValid = value;
        else if (key == "chargeTravelTime")
            chargeTravelTime = value;
        else if (key == "chargeTravelDistance")
            chargeTravelDistance = value;
        else if (key == "displayEAOE")
            displayEAOE = value;
    } else if (section == "customer") {
        customer.readValue(keyText, value);
    } else if (section == "location") {
        if (key == "sameAsCustomer")
            sameAsCustomer = value;
        else
            location.readValue(keyText, value);
    } else {
        JobBase::readValue(sectionText, keyText, value);
    }
}

int Job::write(Archive& archive)
{
    if (const int status = writeBase(archive))
        return status;

    archive.write("\n[job]\n");
    writeValue(archive, "reference", reference);
    writeValue(archive, "hourlyRate", hourlyRate.toString());
    writeValue(archive, "hoursResearch", hoursResearch.toString("%f"));
    writeValue(archive, "hoursPurchase", hoursPurchase.toString("%f"));
    writeValue(archive, "hoursWork", hoursWork.toString("%f"));
    writeValue(archive, "hoursInspection", hoursInspection.toString("%f"));
    writeValue(archive, "hoursAdmin", hoursAdmin.toString("%f"));
    writeValue(archive, "hoursTravel", hoursTravel.toString("%f"));
    writeValue(archive, "costPerMile", costPerMile.toString());
    writeValue(archive, "distance", distance.toString("%f"));
    writeValue(archive, "daysOnSite", daysOnSite.toString("%u"));
    writeValue(archive, "daysValid", daysValid.toString("%u"));
    writeValue(archive, "chargeTravelTime", chargeTravelTime.toString());
    writeValue(archive, "chargeTravelDistance", chargeTravelDistance.toString());
    writeValue(archive, "displayEAOE", displayEAOE.toString());
    writeValue(archive, "created", created.toString("%Y%m%d%H%M%S"));
    writeValue(archive, "updated", updated.toString("%Y%m%d%H%M%S"));
    writeValue(archive, "description", description);

    archive.write("\n[customer]\n");
    writeCustomer(archive, customer, true);
    archive.write("\n[location]\n");
    writeValue(archive, "sameAsCustomer", sameAsCustomer.toString());
    writeCustomer(archive, location, false);

    writeItems(archive, "hours-item", hoursItems);
    writeItems(archive, "materials-item", materials);
    writeItems(archive, "hire-item", hire);
    archive.write("\n[end]\n");
    return 0;
}

void Job::writeItems(Archive& archive, const char* section, const OMList<JobItem>& items)
{
    items.forEach([&](const JobItem& item) { writeItem(archive, section, item); });
}

OMString Job::locationText() const
{
    return sameAsCustomer ? StringTable::text(IDS_SAME_AS_CUSTOMER) : location.displayText();
}

double Job::totalHours() const
{
    return hoursAdmin + hoursInspection + hoursWork + hoursPurchase + hoursResearch;
}

uint32_t Job::effectiveDaysOnSite(const FigureInputs& inputs) const
{
    if (daysOnSite != 0)
        return daysOnSite;
    return daysForHours(hoursWork + hoursInspection, inputs.dailyWorkingHours);
}

uint32_t Job::daysForHours(double hours, int32_t daily)
{
    if (daily <= 0)
        return 0;
    // Hours are decimals of at most six places; count them in millionths so
    // that 14.01 hours over a 7-hour day is 3 days and 14 hours exactly 2.
    if (!(hours > 0.0))
        return 0;
    const double micro = std::round(hours * 1e6);
    const double perDay = double(daily) * 1e4; // hundredths of an hour in millionths
    const double days = std::ceil(micro / perDay);
    return days >= 4294967295.0 ? 4294967295u : uint32_t(days);
}

OMMoney Job::labourHoursCost() const
{
    return hourlyRate.multipliedBy(totalHours());
}

OMMoney Job::sumOfLines(const OMList<JobItem>& items)
{
    OMMoney total;
    items.forEach([&](const JobItem& item) { total += item.lineTotal(); });
    return total;
}

OMMoney Job::hoursItemsTotal() const
{
    return sumOfLines(hoursItems);
}

OMMoney Job::labourTotal() const
{
    return labourHoursCost() + hoursItemsTotal();
}

OMMoney Job::travelTimeCost(const FigureInputs& inputs) const
{
    if (!chargeTravelTime)
        return 0;
    return hourlyRate.multipliedBy(int64_t(effectiveDaysOnSite(inputs)))
        .multipliedBy(hoursTravel.value());
}

OMMoney Job::travelDistanceCost(const FigureInputs& inputs) const
{
    if (!chargeTravelDistance)
        return 0;
    return costPerMile.multipliedBy(int64_t(effectiveDaysOnSite(inputs)))
        .multipliedBy(distance.value());
}

OMMoney Job::travelCost(const FigureInputs& inputs) const
{
    return travelDistanceCost(inputs) + travelTimeCost(inputs);
}

OMMoney Job::materialsTotal() const
{
    return sumOfLines(materials);
}

OMMoney Job::hireTotal() const
{
    return sumOfLines(hire);
}

OMMoney Job::jobTotal(const FigureInputs& inputs) const
{
    return materialsTotal() + travelCost(inputs) + hireTotal() + labourTotal();
}

DocumentSummary Job::summary(const FigureInputs& inputs) const
{
    DocumentSummary s = baseSummary();
    JobFigures f;
    f.totalHours = totalHours();
    f.daysOnSite = effectiveDaysOnSite(inputs);
    f.labourHoursCost = labourHoursCost();
    f.hoursItemsTotal = hoursItemsTotal();
    f.labourTotal = labourTotal();
    f.travelTimeCost = travelTimeCost(inputs);
    f.travelDistanceCost = travelDistanceCost(inputs);
    f.travelCost = travelCost(inputs);
    f.materialsTotal = materialsTotal();
    f.hireTotal = hireTotal();
    f.jobTotal = jobTotal(inputs);
    f.grossTotal = f.jobTotal;
    if (inputs.vatRegistered) {
        std::vector<VAT>& rates = f.vatByRate;
        const auto charge = [&rates](Percentage rate, OMMoney amount) {
            auto at =
                std::lower_bound(rates.begin(), rates.end(), rate,
                                 [](const VAT& entry, Percentage r) { return entry.rate < r; });
            if (at != rates.end() && at->rate == rate)
                at->amount += amount;
            else
                rates.insert(at, VAT{rate, amount});
        };
        const OMMoney standardCharged = f.labourTotal + f.travelCost;
        if (standardCharged != OMMoney())
            charge(inputs.standardVATRate, standardCharged);
        for (const OMList<JobItem>* lines : {&materials, &hire})
            lines->forEach([&](const JobItem& item) { charge(item.rate, item.lineTotal()); });
        for (const VAT& entry : rates)
            f.vat += entry.vatAmount();
        f.grossTotal += f.vat;
    }
    // An estimate or a quote is priced before VAT and asks for nothing yet.
    s.net = f.jobTotal;
    s.gross = f.jobTotal;
    s.job = f;
    return s;
}

void Job::applyStandardRate(int32_t rate)
{
    for (ombrel::OMList<JobItem>* list : {&materials, &hire}) {
        auto it = list->iterator();
        while (it.hasNext())
            it.next().rate = rate;
    }
}
