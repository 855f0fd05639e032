#include "records/JobEstimate.h"
#include "records/JobQuote.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

class JobFiguresTest : public ::testing::Test
{
protected:
    void SetUp() override { SettingsStore::set(SettingKeys::DailyWorkingHours, 700); }
    void TearDown() override { SettingsStore::set(SettingKeys::DailyWorkingHours, 700); }
};

JobItem line(const char* desc, int64_t price, double count = 0.0)
{
    JobItem item;
    item.desc = desc;
    item.price = price;
    item.count = count;
    return item;
}

} // namespace

TEST_F(JobFiguresTest, DaysOnSiteFromWorkAndInspectionHours)
{
    JobEstimate job;
    job.hoursWork = 10;
    job.hoursInspection = 4;
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 2u);
    job.hoursInspection = 4.01;
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 3u);
    job.hoursWork = 7;
    job.hoursInspection = 0;
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 1u);
    job.hoursWork = 0;
    job.hoursResearch = 5;
    job.hoursPurchase = 3;
    job.hoursAdmin = 9;
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 0u);
    job.chargeTravelTime = job.chargeTravelDistance = true;
    job.hourlyRate = 1200;
    job.costPerMile = 40;
    job.distance = 20;
    job.hoursTravel = 1;
    EXPECT_EQ(job.travelCost(FigureInputs::current()), OMMoney(0));
    job.daysOnSite = 5;
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 5u);
}

TEST_F(JobFiguresTest, DaysFollowTheWorkingDaySettingAndSurviveANonsenseOne)
{
    JobQuote job;
    job.hoursWork = 8;
    SettingsStore::set(SettingKeys::DailyWorkingHours, 800);
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 1u);
    SettingsStore::set(SettingKeys::DailyWorkingHours, 0);
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 0u);
    SettingsStore::set(SettingKeys::DailyWorkingHours, -700);
    EXPECT_EQ(job.effectiveDaysOnSite(FigureInputs::current()), 0u);
}

TEST_F(JobFiguresTest, LabourAndTravel)
{
    JobEstimate job;
    job.hourlyRate = 1200;
    job.hoursResearch = 1.5;
    job.hoursWork = 3.25;
    EXPECT_EQ(job.labourHoursCost(), OMMoney(5700));

    job.costPerMile = 40;
    job.daysOnSite = 3;
    job.distance = 17.5;
    EXPECT_EQ(job.travelDistanceCost(FigureInputs::current()), OMMoney(0));
    job.chargeTravelDistance = true;
    EXPECT_EQ(job.travelDistanceCost(FigureInputs::current()), OMMoney(2100));
    job.chargeTravelTime = true;
    job.hoursTravel = 0.5;
    EXPECT_EQ(job.travelTimeCost(FigureInputs::current()), OMMoney(1800));
    EXPECT_EQ(job.travelCost(FigureInputs::current()), OMMoney(3900));
}

TEST_F(JobFiguresTest, DecimalHoursNeverLoseAPenny)
{
    JobEstimate job;
    job.hourlyRate = 100;
    job.hoursWork = 1.15;
    EXPECT_EQ(job.labourHoursCost(), OMMoney(115));
    job.hourlyRate = 2500;
    job.hoursWork = 25.15;
    EXPECT_EQ(job.labourHoursCost(), OMMoney(62875));
    // Sums of hours carry binary error too: 0.1 + 0.2 hours at 10.00 is 3.00.
    job.hourlyRate = 1000;
    job.hoursWork = 0.1;
    job.hoursResearch = 0.2;
    EXPECT_EQ(job.labourHoursCost(), OMMoney(300));
}

TEST_F(JobFiguresTest, TotalsAddEverySection)
{
    JobQuote job;
    job.hourlyRate = 1200;
    job.hoursWork = 2;
    EXPECT_EQ(job.jobTotal(FigureInputs::current()), job.labourHoursCost());

    JobItem callOut = line("Call-out", 2500, 1.5);
    callOut.countDefaultsToOne = false;
    job.hoursItems.add(callOut);
    JobItem uncounted = line("Hours not given", 2500);
    uncounted.countDefaultsToOne = false;
    job.hoursItems.add(uncounted);
    job.materials.add(line("Copper pipe", 333, 2.5));
    job.materials.add(line("Solder", 450));
    job.hire.add(line("Skip", 12000, 2));
    EXPECT_EQ(job.hoursItemsTotal(), OMMoney(3750));
    EXPECT_EQ(job.labourTotal(), OMMoney(2400 + 3750));
    EXPECT_EQ(job.materialsTotal(), OMMoney(832 + 450));
    EXPECT_EQ(job.hireTotal(), OMMoney(24000));
    EXPECT_EQ(job.jobTotal(FigureInputs::current()), OMMoney(6150 + 1282 + 24000));
}

TEST_F(JobFiguresTest, NumbersReferencesAndDates)
{
    JobEstimate job;
    job.setNumber(42);
    EXPECT_EQ(job.docReference, "42");
    job.setDocReference("0042", true);
    EXPECT_EQ(job.number, 0u);
    EXPECT_TRUE(job.ownDocReference);
    job.setDocReference("42", false);
    EXPECT_EQ(job.number, 42u);
    job.setDocReference("A-42", true);
    EXPECT_EQ(job.number, 0u);

    job.created.set("20070301100000", "YYYYMMDDhhmmss");
    EXPECT_EQ(job.documentDate(), OMDate(1, 3, 2007, true));
    job.date = OMDate(5, 3, 2007, true);
    EXPECT_EQ(job.documentDate(), OMDate(5, 3, 2007, true));

    EXPECT_EQ(job.locationText(), "Same as customer");
    job.sameAsCustomer = false;
    job.location.address.first = "Unit 4";
    job.location.address.town = "York";
    EXPECT_EQ(job.locationText(), "Unit 4\nYork");
}

TEST_F(JobFiguresTest, AssignmentCopiesEverythingButVersionAndKind)
{
    JobEstimate estimate;
    estimate.version = 1;
    estimate.setNumber(7);
    estimate.reference = "REF";
    estimate.customer.surname = "Smith";
    estimate.materials.add(line("Tap", 1999));
    estimate.daysValid = 60;

    JobQuote quote;
    quote = estimate;
    EXPECT_STREQ(quote.kind().name, "quote");
    EXPECT_EQ(quote.version, 0u);
    EXPECT_EQ(quote.number, 7u);
    EXPECT_EQ(quote.reference, "REF");
    EXPECT_EQ(quote.customer.surname, "Smith");
    EXPECT_EQ(quote.daysValid, 60u);
    ASSERT_EQ(quote.materials.size(), 1);
    quote.materials.clear();
    EXPECT_EQ(estimate.materials.size(), 1);

    JobEstimate copy(estimate);
    EXPECT_EQ(copy.version, 1u);
    EXPECT_EQ(copy.materials.size(), 1);
}

TEST_F(JobFiguresTest, ResetRestoresTheInitialValues)
{
    JobEstimate job;
    job.version = 3;
    job.hourlyRate = 5;
    job.sameAsCustomer = false;
    job.displayEAOE = false;
    job.hire.add(line("x", 1));
    job.reset();
    EXPECT_EQ(job.version, 3u);
    EXPECT_EQ(job.hourlyRate, OMMoney(0));
    EXPECT_TRUE(job.sameAsCustomer);
    EXPECT_TRUE(job.displayEAOE);
    EXPECT_TRUE(job.hire.isEmpty());
    EXPECT_STREQ(job.kind().title, "Estimate");
}
