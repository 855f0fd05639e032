#include "fileformat/Archive.h"
#include "records/JobInvoice.h"
#include "records/LateInterest.h"
#include "records/ReminderLetter.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

OMDate day(int year, int month, int d)
{
    return OMDate(d, month, year, true);
}

// An invoice of one line at no VAT, dated so that it falls due on `due`.
JobInvoice owing(int64_t hundredths, const OMDate& due, bool business)
{
    JobInvoice invoice;
    invoice.docReference = "3081";
    invoice.daysToPay = 30;
    invoice.date = OMDate::fromJulian(due.julian() - 30);
    invoice.customer.surname = "Dunmore";
    invoice.customer.business = business;
    JobItem item;
    item.price = OMMoney(hundredths);
    item.count = 1.0;
    invoice.items.add(item);
    return invoice;
}

QString written(JobInvoice& invoice)
{
    Archive archive = Archive::forWriting();
    EXPECT_EQ(invoice.write(archive), 0);
    return QString::fromUtf8(archive.data());
}

JobInvoice readBack(const QString& text)
{
    Archive archive = Archive::forReading(text.toUtf8());
    JobInvoice invoice;
    EXPECT_EQ(invoice.read(archive), 0);
    return invoice;
}

} // namespace

// The reference rate is the one in force on the last 30 June or 31 December
// before the due day; the shipped table moved from 5.25 % to 5.00 % on
// 1 August 2024 and to 4.75 % on 7 November 2024.
TEST(LateInterest, ReferenceDayAndRateOnBothSidesOfAChange)
{
    const struct
    {
        OMDate due, referenceDay;
        int32_t rate;
    } cases[] = {
        {day(2024, 6, 30), day(2023, 12, 31), 525}, {day(2024, 7, 1), day(2024, 6, 30), 525},
        {day(2024, 12, 31), day(2024, 6, 30), 525}, {day(2025, 1, 1), day(2024, 12, 31), 475},
        {day(2020, 12, 31), day(2020, 6, 30), 10},
    };
    const auto rates = LateInterest::defaultRates();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.due.toString("YYYY-MM-DD").c_str());
        EXPECT_EQ(LateInterest::referenceDay(c.due), c.referenceDay);
        EXPECT_EQ(LateInterest::rateOn(c.referenceDay, rates), c.rate);
    }
    // A change takes effect on its own day.
    EXPECT_EQ(LateInterest::rateOn(day(2024, 7, 31), rates), 525);
    EXPECT_EQ(LateInterest::rateOn(day(2024, 8, 1), rates), 500);
}

// Worked by hand: £1,000.00 at 5.25 % + 8 % = 13.25 % is 1,000 × 0.1325 / 365
// = £0.363 a day, £0.36 truncated; 30 days make £10.80. Falling due a day
// later takes the 31 December rate, 4.75 % + 8 % = 12.75 %: £0.349, £0.34,
// £10.20. £12,345.67 at 13.25 %: £4.4816 a day, £4.48 × 45 = £201.60.
TEST(LateInterest, SimpleInterestPerDayOn365Days)
{
    const struct
    {
        int64_t debt;
        OMDate due, letter;
        int32_t yearly;
        int64_t days, daily, interest, compensation;
    } cases[] = {
        {100000, day(2024, 12, 31), day(2025, 1, 30), 1325, 30, 36, 1080, 7000},
        {100000, day(2025, 1, 1), day(2025, 1, 31), 1275, 30, 34, 1020, 7000},
        {1234567, day(2024, 12, 31), day(2025, 2, 14), 1325, 45, 448, 20160, 10000},
    };
    for (const auto& c : cases) {
        const LateInterest::Claim claim =
            LateInterest::claim(OMMoney(c.debt), c.due, c.letter, LateInterest::defaultRates());
        EXPECT_EQ(claim.yearlyRate, c.yearly);
        EXPECT_EQ(claim.days, c.days);
        EXPECT_EQ(claim.daily, OMMoney(c.daily));
        EXPECT_EQ(claim.interest, OMMoney(c.interest));
        EXPECT_EQ(claim.compensation, OMMoney(c.compensation));
        EXPECT_EQ(claim.total(), OMMoney(c.interest + c.compensation));
    }
    // Nothing before the day after the due day, nor on nothing owed.
    EXPECT_EQ(LateInterest::claim(OMMoney(100000), day(2025, 1, 1), day(2025, 1, 1),
                                  LateInterest::defaultRates())
                  .total(),
              OMMoney());
    EXPECT_EQ(LateInterest::claim(OMMoney(), day(2025, 1, 1), day(2025, 3, 1),
                                  LateInterest::defaultRates())
                  .total(),
              OMMoney());
}

TEST(LateInterest, FixedCompensationBySizeOfDebt)
{
    const std::pair<int64_t, int64_t> cases[] = {
        {1, 4000},        {99999, 4000},    {100000, 7000}, {999999, 7000},
        {1000000, 10000}, {5000000, 10000}, {0, 0},
    };
    for (const auto& [debt, sum] : cases)
        EXPECT_EQ(LateInterest::compensation(OMMoney(debt)), OMMoney(sum)) << debt;
}

TEST(LateInterest, UserRatesExtendAndOverrideTheShippedOnes)
{
    std::vector<LateInterest::BaseRate> own;
    QString error;
    ASSERT_TRUE(LateInterest::parseRates("2026-06-18 3.5\n\n2025-12-18 3.80%\n", &own, &error));
    ASSERT_EQ(own.size(), 2u);
    EXPECT_EQ(own[0], (LateInterest::BaseRate{day(2025, 12, 18), 380}));
    EXPECT_EQ(LateInterest::ratesText(own), "2025-12-18 3.80\n2026-06-18 3.50\n");
    const auto rates = LateInterest::merged(LateInterest::defaultRates(), own);
    EXPECT_EQ(rates.size(), LateInterest::defaultRates().size() + 1);
    EXPECT_EQ(LateInterest::rateOn(day(2025, 12, 31), rates), 380);
    EXPECT_EQ(LateInterest::rateOn(day(2026, 6, 30), rates), 350);

    EXPECT_FALSE(LateInterest::parseRates("2026-02-30 4.00", &own, &error));
    EXPECT_TRUE(error.contains("Line 1")) << error.toStdString();
    EXPECT_FALSE(LateInterest::parseRates("2026-01-01 4.00\nfour", &own, &error));
    EXPECT_TRUE(error.contains("Line 2")) << error.toStdString();
}

// Interest goes only on a final notice, and only to a business; the letter
// names the invoice, its date, the amount due and the days overdue.
TEST(ReminderLetter, ClaimsInterestFromBusinessesOnTheFinalNoticeOnly)
{
    const OMDate due = day(2024, 12, 31);
    const OMDate letter = day(2025, 1, 30);
    const auto rates = LateInterest::defaultRates();
    const QString text = "Invoice {invoice} of {date}: {amount}, {days} days late.";
    const struct
    {
        bool business;
        int level;
        bool ask;
        int64_t claimed;
    } cases[] = {
        {true, Reminder::FinalNotice, true, 1080 + 7000},
        {false, Reminder::FinalNotice, true, 0},
        {true, Reminder::Firm, true, 0},
        {true, Reminder::FinalNotice, false, 0},
    };
    for (const auto& c : cases) {
        const JobInvoice invoice = owing(100000, due, c.business);
        const ReminderLetter r(invoice, false, c.level, letter, text, c.ask, rates);
        EXPECT_EQ(r.claim.has_value(), c.claimed != 0);
        EXPECT_EQ(r.record().claimed, OMMoney(c.claimed));
        EXPECT_EQ(r.totalDue(), OMMoney(100000 + c.claimed));
        EXPECT_EQ(r.daysOverdue, 30);
        EXPECT_EQ(r.body.toStdString(),
                  "Invoice 3081 of 1 December 2024: " + SettingsStore::currencySymbol().str() +
                      "1,000.00, 30 days late.");
    }
}

// Reminders sent are kept with the invoice in a section of their own, written
// only when there is one; a value that does not read is passed over.
TEST(ReminderLetter, RemindersRecordedWithTheInvoice)
{
    JobInvoice invoice = owing(100000, day(2024, 12, 31), true);
    const QString before = written(invoice);
    EXPECT_FALSE(before.contains("[reminders]"));
    JobInvoice back = readBack(before);
    EXPECT_EQ(written(back), before);
    EXPECT_EQ(ReminderLetter::nextLevel(invoice), Reminder::Friendly);

    invoice.reminders.push_back({day(2025, 1, 10), Reminder::Friendly, OMMoney()});
    invoice.reminders.push_back({day(2025, 1, 30), Reminder::FinalNotice, OMMoney(8080)});
    const QString after = written(invoice);
    EXPECT_TRUE(after.contains("\n[reminders]\nreminder1=20250110,1\nreminder2=20250130,3,80.80\n"))
        << after.toStdString();
    JobInvoice read = readBack(QString(after).replace("reminder2=", "reminder9=") +
                               "\n[reminders]\nreminder3=20250231,2\nreminder4=20250301,7\n");
    EXPECT_EQ(read.reminders, invoice.reminders);
    EXPECT_EQ(invoice.summary(FigureInputs()).reminders, invoice.reminders);
    EXPECT_EQ(ReminderLetter::nextLevel(read), Reminder::FinalNotice);
    read.startAsCopy();
    EXPECT_TRUE(read.reminders.empty());
}
