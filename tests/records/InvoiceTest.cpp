#include "records/JobInvoice.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

JobItem line(int64_t price, int rate, double count = 0.0)
{
    JobItem item;
    item.price = price;
    item.rate = rate;
    item.count = count;
    return item;
}

DocumentSummary summaryOf(const JobInvoice& invoice, bool vat, OMDate asOf = OMDate())
{
    FigureInputs inputs;
    inputs.vatRegistered = vat;
    inputs.asOf = asOf;
    return invoice.summary(inputs);
}

} // namespace

TEST(Invoice, VATSummaryInRateOrder)
{
    JobInvoice invoice;
    invoice.items.add(line(1000, 1750));
    invoice.items.add(line(500, 500));
    invoice.items.add(line(200, 1750));
    invoice.items.add(line(300, 0));
    const DocumentSummary s = summaryOf(invoice, true);
    ASSERT_EQ(s.vatByRate.size(), 3u);
    EXPECT_EQ(s.vatByRate[0].rate, Percentage(0));
    EXPECT_EQ(s.vatByRate[1].rate, Percentage(500));
    EXPECT_EQ(s.vatByRate[1].amount, OMMoney(500));
    EXPECT_EQ(s.vatByRate[2].rate, Percentage(1750));
    EXPECT_EQ(s.vatByRate[2].amount, OMMoney(1200));
    EXPECT_EQ(s.net, OMMoney(2000));
    EXPECT_EQ(s.vat, OMMoney(25 + 210));
    EXPECT_EQ(s.gross, OMMoney(2000 + 25 + 210));
}

TEST(Invoice, VATIsTruncatedPerRateNotPerLine)
{
    JobInvoice invoice;
    for (int i = 0; i < 3; ++i)
        invoice.items.add(line(33, 1750));
    const DocumentSummary s = summaryOf(invoice, true);
    EXPECT_EQ(s.gross - s.net, OMMoney(17));
}

TEST(Invoice, WithoutVATTheGrossIsTheNet)
{
    JobInvoice invoice;
    invoice.items.add(line(1000, 1750, 2));
    const DocumentSummary s = summaryOf(invoice, false);
    EXPECT_TRUE(s.vatByRate.empty());
    EXPECT_EQ(s.gross, OMMoney(2000));
}

TEST(Invoice, PaymentsAndRefunds)
{
    JobInvoice invoice;
    invoice.items.add(line(2000, 0));
    JobItem payment;
    payment.price = 1000;
    payment.count = 3; // a payment is never multiplied
    invoice.payments.add(payment);
    payment.price = 1500;
    invoice.payments.add(payment);
    invoice.date = OMDate(1, 3, 2007, true);
    const DocumentSummary s = summaryOf(invoice, false, OMDate(1, 1, 2100, true));
    EXPECT_EQ(s.paid, OMMoney(2500));
    EXPECT_EQ(s.due, OMMoney(-500));
    EXPECT_FALSE(s.overdue);
}

TEST(Invoice, OverdueTheDayAfterThePaymentPeriod)
{
    JobInvoice invoice;
    invoice.items.add(line(1000, 0));
    invoice.date = OMDate(1, 3, 2007, true);
    invoice.daysToPay = 30;
    EXPECT_FALSE(summaryOf(invoice, false, OMDate(31, 3, 2007, true)).overdue);
    EXPECT_TRUE(summaryOf(invoice, false, OMDate(1, 4, 2007, true)).overdue);
    EXPECT_EQ(summaryOf(invoice, false).dueDate, OMDate(31, 3, 2007, true));

    invoice.date = OMDate();
    invoice.created.set("20070301090000", "YYYYMMDDhhmmss");
    EXPECT_TRUE(summaryOf(invoice, false, OMDate(1, 4, 2007, true)).overdue);
    EXPECT_FALSE(summaryOf(invoice, false, OMDate(31, 3, 2007, true)).overdue);

    // However many days a file gives to pay, the due day is never earlier.
    for (uint32_t days : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        invoice.daysToPay = days;
        EXPECT_FALSE(summaryOf(invoice, false, OMDate(31, 12, 9999, true)).overdue) << days;
    }
}

TEST(Invoice, CopiesAndResets)
{
    JobInvoice invoice;
    invoice.version = 1;
    invoice.items.add(line(100, 0));
    invoice.overduePercentage = 800;
    JobInvoice copy(invoice);
    EXPECT_EQ(copy.items.size(), 1);
    EXPECT_EQ(copy.version, 1u);
    invoice.reset();
    EXPECT_TRUE(invoice.items.isEmpty());
    EXPECT_EQ(invoice.overduePercentage, Percentage(0));
    EXPECT_TRUE(invoice.displayEAOE);
    EXPECT_EQ(copy.overduePercentage, Percentage(800));
}
