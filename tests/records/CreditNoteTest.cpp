#include "records/JobCreditNote.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

JobItem line(const char* desc, int64_t price, int rate, double count = 0.0)
{
    JobItem item;
    item.desc = desc;
    item.price = price;
    item.rate = rate;
    item.count = count;
    return item;
}

/// Net 280.00: 170.00 at 20 %, 80.00 at 5 %, 30.00 at 0 %; VAT 34.00 + 4.00;
/// gross 318.00, of which 100.00 is paid: 218.00 due.
JobInvoice mixedRateInvoice()
{
    JobInvoice invoice;
    invoice.setNumber(2401);
    invoice.date = OMDate(8, 10, 2026, true);
    invoice.customer.surname = "Okafor";
    invoice.reference = "Job 77";
    invoice.items.add(line("Boiler service", 12000, 2000));
    invoice.items.add(line("Radiator valves", 1250, 2000, 4));
    invoice.items.add(line("Heating controls", 8000, 500));
    invoice.items.add(line("Call-out", 3000, 0));
    JobItem paid;
    paid.price = 10000;
    invoice.payments.add(paid);
    return invoice;
}

DocumentSummary figures(const JobBase& record)
{
    return record.summary(FigureInputs{true, 700, OMDate(1, 11, 2026, true)});
}

struct Expected
{
    const char* name;
    std::vector<JobCreditNote::Choice> choices;
    int64_t net;
    std::vector<std::pair<int, int64_t>> netByRate; // rate, net credited (positive)
    int64_t vat;
    int64_t gross;
    int64_t invoiceDueAfter; // the invoice's 218.00 less the credit; below 0 a refund
};

} // namespace

// Worked by hand from the invoice above.
TEST(CreditNote, CreditsWholeOrChosenLinesWithTheirRates)
{
    const std::vector<Expected> cases = {
        // Everything: 318.00 against 218.00 due leaves 100.00 to refund.
        {"full",
         JobCreditNote::wholeInvoice(mixedRateInvoice()),
         28000,
         {{0, 3000}, {500, 8000}, {2000, 17000}},
         3800,
         31800,
         -10000},
        // 33.33 of the valves at 20 % (VAT 6.666 truncated to 6.66) and the
        // controls whole (80.00 at 5 %, VAT 4.00).
        {"part",
         {{1, OMMoney(3333)}, {2, std::nullopt}},
         11333,
         {{500, 8000}, {2000, 3333}},
         1066,
         12399,
         21800 - 12399},
        // A line the invoice does not have is passed over.
        {"unknown line", {{9, std::nullopt}, {3, std::nullopt}}, 3000, {{0, 3000}}, 0, 3000, 18800},
    };
    const JobInvoice invoice = mixedRateInvoice();
    const DocumentSummary invoiceFigures = figures(invoice);
    ASSERT_EQ(invoiceFigures.due, OMMoney(21800));
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.name);
        JobCreditNote note;
        note.credit(invoice, c.choices);
        const DocumentSummary s = figures(note);
        EXPECT_TRUE(s.credit);
        EXPECT_EQ(s.corrects, QStringLiteral("2401"));
        EXPECT_EQ(s.correctsDate, OMDate(8, 10, 2026, true));
        EXPECT_EQ(s.net, OMMoney(-c.net));
        ASSERT_EQ(s.vatByRate.size(), c.netByRate.size());
        for (size_t i = 0; i < c.netByRate.size(); ++i) {
            EXPECT_EQ(s.vatByRate[i].rate, Percentage(c.netByRate[i].first));
            EXPECT_EQ(s.vatByRate[i].amount, OMMoney(-c.netByRate[i].second));
        }
        EXPECT_EQ(s.vat, OMMoney(-c.vat));
        EXPECT_EQ(s.gross, OMMoney(-c.gross));
        EXPECT_EQ(s.due, s.gross) << "nothing refunded yet";
        EXPECT_FALSE(s.overdue);
        EXPECT_TRUE(s.dueDate.isEmpty());
        EXPECT_EQ(invoiceFigures.due + s.due, OMMoney(c.invoiceDueAfter));
    }
}

TEST(CreditNote, TakesTheInvoicesCustomerAndNamesIt)
{
    JobCreditNote note;
    EXPECT_TRUE(note.correctsText().isEmpty());
    note.credit(mixedRateInvoice(), {{0, OMMoney(5000)}});
    EXPECT_EQ(note.customer.surname, "Okafor");
    EXPECT_EQ(note.reference, "Job 77");
    EXPECT_EQ(note.correctsText(), "Credit note for invoice 2401 of 8 October 2026");
    ASSERT_EQ(note.items.size(), 1);
    const JobItem& credited = note.items.iterator().next();
    EXPECT_EQ(credited.desc, "Boiler service");
    EXPECT_EQ(credited.lineTotal(), OMMoney(5000));
    EXPECT_EQ(credited.rate, Percentage(2000));
    note.invoiceDate = OMDate();
    EXPECT_EQ(note.correctsText(), "Credit note for invoice 2401");
}

TEST(CreditNote, RefundsPaidReduceTheCreditOwed)
{
    JobCreditNote note;
    note.credit(mixedRateInvoice(), {{3, std::nullopt}});
    JobItem refund;
    refund.price = 1000;
    note.payments.add(refund);
    const DocumentSummary s = figures(note);
    EXPECT_EQ(s.gross, OMMoney(-3000));
    EXPECT_EQ(s.paid, OMMoney(-1000));
    EXPECT_EQ(s.due, OMMoney(-2000));
}

// File, Duplicate and Save As with the next number start from a copy.
TEST(CreditNote, CopiesStartWithoutNumberDatePaymentsOrIssue)
{
    JobInvoice invoice = mixedRateInvoice();
    invoice.setDocReference("INV-9", true);
    invoice.issued = OMTime(true);
    JobInvoice copy;
    copy.copyFrom(invoice);
    copy.startAsCopy();
    EXPECT_EQ(copy.items.size(), 4);
    EXPECT_EQ(copy.customer.surname, "Okafor");
    EXPECT_TRUE(copy.payments.isEmpty());
    EXPECT_FALSE(copy.issued.isSet());
    EXPECT_TRUE(copy.date.isEmpty());
    EXPECT_EQ(copy.documentDate(), OMDate::today());
    EXPECT_TRUE(copy.docReference.isEmpty());
    EXPECT_FALSE(copy.ownDocReference);

    JobCreditNote note;
    note.credit(invoice, {{0, std::nullopt}});
    JobCreditNote noteCopy;
    noteCopy.copyFrom(note);
    noteCopy.startAsCopy();
    EXPECT_EQ(noteCopy.invoiceReference, "INV-9");
    EXPECT_EQ(noteCopy.items.size(), 1);
}
