#include "ledger/Ledger.h"
#include "LedgerFixture.h"
#include "ledger/DocumentScanner.h"
#include "ledger/LedgerExport.h"
#include "ledger/VatSummary.h"
#include "records/JobCreditNote.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <tuple>

using namespace ledgertest;
using ombrel::OMDate;
using ombrel::OMMoney;

namespace {

FigureInputs vatInputs(OMDate asOf)
{
    FigureInputs inputs;
    inputs.vatRegistered = true;
    inputs.asOf = asOf;
    return inputs;
}

LedgerEntry entryOf(const JobBase& record, const QString& path, const FigureInputs& inputs)
{
    LedgerEntry e;
    e.path = path;
    e.summary = record.summary(inputs);
    return e;
}

LedgerEntry unreadable(const QString& path)
{
    LedgerEntry e;
    e.path = path;
    e.error = QStringLiteral("The file is invalid.");
    return e;
}

} // namespace

TEST(Ledger, AgeingAtTheEdgesOfEachBucket)
{
    // Dated 1 October with 30 days to pay: due on 31 October.
    const OMDate due = day(2026, 10, 31);
    struct Case
    {
        int daysAfterDue;
        Ledger::Status status;
        Ledger::Ageing ageing;
        const char* text;
    };
    const Case cases[] = {
        {-5, Ledger::Owed, Ledger::NotYetDue, "owed"},
        {0, Ledger::Owed, Ledger::NotYetDue, "owed"},
        {1, Ledger::Overdue, Ledger::Days1To30, "overdue by 1 day"},
        {30, Ledger::Overdue, Ledger::Days1To30, "overdue by 30 days"},
        {31, Ledger::Overdue, Ledger::Days31To60, "overdue by 31 days"},
        {60, Ledger::Overdue, Ledger::Days31To60, "overdue by 60 days"},
        {61, Ledger::Overdue, Ledger::Days61To90, "overdue by 61 days"},
        {90, Ledger::Overdue, Ledger::Days61To90, "overdue by 90 days"},
        {91, Ledger::Overdue, Ledger::Over90Days, "overdue by 91 days"},
    };
    const JobInvoice inv =
        invoice(3081, day(2026, 10, 1), 30, {{100'00, 2000}}, {{day(2026, 10, 2), 20'00}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.daysAfterDue);
        const OMDate asOf = OMDate::fromJulian(due.julian() + c.daysAfterDue);
        // The entry is summed up on another day, as one kept in the index is:
        // the ledger judges the day it is given.
        const Ledger ledger({entryOf(inv, "a.vli", vatInputs(day(2026, 10, 2)))}, asOf);
        const Ledger::Row& row = ledger.row(0);
        EXPECT_EQ(row.status, c.status);
        EXPECT_EQ(row.ageing, c.ageing);
        EXPECT_EQ(Ledger::statusText(row), c.text);
        EXPECT_EQ(row.entry.summary.overdue, c.status == Ledger::Overdue);
        // The summary of that day says the same.
        EXPECT_EQ(inv.summary(vatInputs(asOf)).overdue, c.status == Ledger::Overdue);

        const Ledger::Totals t = ledger.totals();
        EXPECT_EQ(t.owed, OMMoney(100'00));
        EXPECT_EQ(t.overdue, c.status == Ledger::Overdue ? OMMoney(100'00) : OMMoney(0));
        for (int a = 0; a < Ledger::AgeingCount; ++a)
            EXPECT_EQ(t.ageing[size_t(a)], a == c.ageing ? OMMoney(100'00) : OMMoney(0)) << a;
    }
}

TEST(Ledger, StatusesAndTotalsOfWhatIsShown)
{
    const FigureInputs inputs = vatInputs(day(2026, 12, 31));
    JobEstimate estimate;
    estimate.setNumber(1017);
    const JobInvoice owed = invoice(1, day(2026, 12, 20), 30, {{100'00, 2000}});
    const JobInvoice overdue =
        invoice(2, day(2026, 9, 1), 30, {{50'00, 0}}, {{day(2026, 9, 5), 10'00}});
    const JobInvoice paid =
        invoice(3, day(2026, 9, 1), 30, {{50'00, 0}}, {{day(2026, 9, 5), 50'00}});
    const JobInvoice refund =
        invoice(4, day(2026, 9, 1), 30, {{50'00, 0}}, {{day(2026, 9, 5), 65'00}});
    const Ledger ledger({entryOf(estimate, "e.vle", inputs), entryOf(owed, "1.vli", inputs),
                         entryOf(overdue, "2.vli", inputs), entryOf(paid, "3.vli", inputs),
                         entryOf(refund, "4.vli", inputs), unreadable("5.vli")},
                        inputs.asOf);
    const Ledger::Status expected[] = {Ledger::NotBilled, Ledger::Owed,      Ledger::Overdue,
                                       Ledger::Paid,      Ledger::RefundDue, Ledger::Unreadable};
    for (int i = 0; i < ledger.size(); ++i)
        EXPECT_EQ(ledger.row(i).status, expected[i]) << i;
    EXPECT_EQ(Ledger::statusText(ledger.row(0)), "estimate");
    EXPECT_EQ(Ledger::statusText(ledger.row(2)), "overdue by 91 days");

    const Ledger::Totals all = ledger.totals();
    EXPECT_EQ(all.documents, 6);
    EXPECT_EQ(all.unreadable, 1);
    EXPECT_EQ(all.net, OMMoney(250'00)); // the estimate bills nothing
    EXPECT_EQ(all.vat, OMMoney(20'00));
    EXPECT_EQ(all.owed, OMMoney(160'00));
    EXPECT_EQ(all.overdue, OMMoney(40'00));
    EXPECT_EQ(all.refundDue, OMMoney(15'00));
    EXPECT_EQ(all.ageing[Ledger::NotYetDue], OMMoney(120'00));
    EXPECT_EQ(all.ageing[Ledger::Over90Days], OMMoney(40'00));

    const Ledger::Totals shown = ledger.totals({1, 4});
    EXPECT_EQ(shown.documents, 2);
    EXPECT_EQ(shown.owed, OMMoney(120'00));
    EXPECT_EQ(shown.overdue, OMMoney(0));
    EXPECT_EQ(shown.refundDue, OMMoney(15'00));
}

// Credit notes listed with their invoice are netted in the invoice's row:
// a part credit lowers what is owed, one beyond it makes a refund due.
TEST(Ledger, CreditNotesAreNettedAgainstTheInvoiceTheyCorrect)
{
    const FigureInputs inputs = vatInputs(day(2026, 12, 31));
    // 100.00 at 20 % and 50.00 at 5 %: 172.50, of which 40.00 paid.
    const JobInvoice inv = invoice(7, day(2026, 12, 20), 30, {{100'00, 2000}, {50'00, 500}},
                                   {{day(2026, 12, 21), 40'00}});
    JobCreditNote part;
    part.credit(inv, {{1, std::nullopt}}); // the 5 % line: 52.50
    JobCreditNote whole;
    whole.credit(inv, JobCreditNote::wholeInvoice(inv));
    const JobInvoice other = invoice(99, day(2026, 12, 1), 30, {{10'00, 0}});
    JobCreditNote loose; // tied to an invoice not listed
    loose.credit(other, JobCreditNote::wholeInvoice(other));

    Ledger ledger({entryOf(inv, "7.vli", inputs), entryOf(part, "n1.vln", inputs),
                   entryOf(loose, "n2.vln", inputs)},
                  inputs.asOf);
    EXPECT_EQ(ledger.row(0).credited, OMMoney(-52'50));
    EXPECT_EQ(ledger.row(0).due, OMMoney(80'00));
    EXPECT_EQ(ledger.row(0).status, Ledger::Owed);
    EXPECT_EQ(ledger.row(1).status, Ledger::Credited);
    EXPECT_EQ(Ledger::statusText(ledger.row(1)), "credits invoice 7");
    EXPECT_EQ(ledger.row(2).status, Ledger::RefundDue) << "its invoice is not listed";
    EXPECT_EQ(ledger.totals().owed, OMMoney(80'00));
    EXPECT_EQ(ledger.totals().refundDue, OMMoney(10'00));

    // A whole credit on top takes the invoice below zero: 40.00 to pay back.
    ledger.insertOrReplace(entryOf(whole, "n3.vln", inputs));
    EXPECT_EQ(ledger.row(0).due, OMMoney(-92'50));
    EXPECT_EQ(ledger.row(0).status, Ledger::RefundDue);
    EXPECT_EQ(ledger.totals().owed, OMMoney(0));
    // Taken away again, the invoice owes what it did.
    ASSERT_TRUE(ledger.remove("n3.vln"));
    EXPECT_EQ(ledger.row(0).due, OMMoney(80'00));
}

TEST(Ledger, SameKindAndNumberIsFlaggedUntilOneGoes)
{
    const FigureInputs inputs = vatInputs(day(2026, 12, 31));
    JobEstimate estimate;
    estimate.setNumber(7);
    JobEstimate unnumbered;
    const JobInvoice a = invoice(7, day(2026, 10, 1), 30, {{1'00, 0}});
    Ledger ledger({entryOf(a, "a.vli", inputs), entryOf(a, "copy of a.vli", inputs),
                   entryOf(estimate, "e.vle", inputs), entryOf(unnumbered, "u1.vle", inputs),
                   entryOf(unnumbered, "u2.vle", inputs), unreadable("x.vli")},
                  inputs.asOf);
    const bool flagged[] = {true, true, false, false, false, false};
    for (int i = 0; i < ledger.size(); ++i)
        EXPECT_EQ(ledger.row(i).duplicate, flagged[i]) << i;
    EXPECT_EQ(ledger.duplicateWarnings(),
              QStringList{"Invoice 7 is in 2 files: a.vli, copy of a.vli"});

    EXPECT_TRUE(ledger.remove("copy of a.vli"));
    EXPECT_FALSE(ledger.row(ledger.indexOf("a.vli")).duplicate);
    EXPECT_TRUE(ledger.duplicateWarnings().isEmpty());
    ledger.insertOrReplace(entryOf(a, "again.vli", inputs));
    EXPECT_TRUE(ledger.row(ledger.indexOf("a.vli")).duplicate);
}

TEST(Ledger, CashBasisTakesTheVatShareOfEachPayment)
{
    // 100.00 at 20 % and 50.00 at 5 %: 22.50 VAT, 172.50 gross. Paid 40 % in
    // October, the rest in November, 10.00 too much (paid back in December),
    // and then 20 % refunded in December.
    const JobInvoice inv = invoice(9, day(2026, 10, 1), 30, {{100'00, 2000}, {50'00, 500}},
                                   {{day(2026, 10, 10), 69'00},
                                    {day(2026, 11, 5), 103'50},
                                    {day(2026, 11, 20), 10'00},
                                    {day(2026, 12, 1), -10'00},
                                    {day(2026, 12, 15), -34'50}});
    const FigureInputs inputs = vatInputs(day(2027, 1, 31));
    const Ledger ledger({entryOf(inv, "9.vli", inputs)}, inputs.asOf);
    struct Expected
    {
        const char* period;
        VatSummary::Basis basis;
        int64_t net5, vat5, net20, vat20;
    };
    const Expected cases[] = {
        {"2026-10", VatSummary::CashBasis, 20'00, 1'00, 40'00, 8'00},
        {"2026-11", VatSummary::CashBasis, 30'00, 1'50, 60'00, 12'00},
        {"2026-12", VatSummary::CashBasis, -10'00, -50, -20'00, -4'00},
        {"2026-Q4", VatSummary::CashBasis, 40'00, 2'00, 80'00, 16'00},
        {"2026-Q4", VatSummary::InvoiceBasis, 50'00, 2'50, 100'00, 20'00},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(std::string(c.period) +
                     (c.basis == VatSummary::CashBasis ? " cash" : " invoice"));
        OMDate first, last;
        ASSERT_TRUE(VatSummary::parsePeriod(c.period, &first, &last, nullptr));
        const VatSummary s(ledger, first, last, c.basis);
        ASSERT_EQ(s.lines().size(), 2u);
        EXPECT_EQ(s.lines()[0].rate.value(), 500);
        EXPECT_EQ(s.lines()[0].net, OMMoney(c.net5));
        EXPECT_EQ(s.lines()[0].vat, OMMoney(c.vat5));
        EXPECT_EQ(s.lines()[1].net, OMMoney(c.net20));
        EXPECT_EQ(s.lines()[1].vat, OMMoney(c.vat20));
        EXPECT_EQ(s.documents(), 1);
    }
    OMDate first, last;
    ASSERT_TRUE(VatSummary::parsePeriod("2026-11", &first, &last, nullptr));
    EXPECT_TRUE(VatSummary(ledger, first, last, VatSummary::InvoiceBasis).lines().empty());
}

TEST(Ledger, CashBasisPaymentsInThirdsComeToTheWholeVat)
{
    // 20.00 VAT in three payments of 40.00: each month's share rounds, the
    // three together make the invoice's VAT to the penny.
    const JobInvoice inv =
        invoice(1, day(2026, 1, 5), 30, {{100'00, 2000}},
                {{day(2026, 1, 20), 40'00}, {day(2026, 2, 20), 40'00}, {day(2026, 3, 20), 40'00}});
    const FigureInputs inputs = vatInputs(day(2026, 4, 1));
    const Ledger ledger({entryOf(inv, "1.vli", inputs)}, inputs.asOf);
    OMMoney sum;
    for (const char* month : {"2026-01", "2026-02", "2026-03"}) {
        OMDate first, last;
        ASSERT_TRUE(VatSummary::parsePeriod(month, &first, &last, nullptr));
        sum += VatSummary(ledger, first, last, VatSummary::CashBasis).vat();
    }
    EXPECT_EQ(sum, OMMoney(20'00));
    OMDate first, last;
    ASSERT_TRUE(VatSummary::parsePeriod("2026-q1", &first, &last, nullptr));
    EXPECT_EQ(VatSummary(ledger, first, last, VatSummary::CashBasis).vat(), OMMoney(20'00));
}

TEST(Ledger, PeriodsAreMonthsAndQuarters)
{
    struct Case
    {
        const char* text;
        bool valid;
        int fromMonth, toMonth, toDay, year;
    };
    const Case cases[] = {
        {"2026-10", true, 10, 10, 31, 2026}, {"2026-Q1", true, 1, 3, 31, 2026},
        {"2026-Q4", true, 10, 12, 31, 2026}, {"2024-02", true, 2, 2, 29, 2024},
        {"2026-13", false, 0, 0, 0, 0},      {"2026-Q5", false, 0, 0, 0, 0},
        {"26-10", false, 0, 0, 0, 0},        {"", false, 0, 0, 0, 0},
        {"2026-00", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        OMDate first, last;
        QString error;
        ASSERT_EQ(VatSummary::parsePeriod(c.text, &first, &last, &error), c.valid);
        if (!c.valid) {
            EXPECT_TRUE(error.contains(c.text));
            continue;
        }
        EXPECT_EQ(first.julian(), day(c.year, c.fromMonth, 1).julian());
        EXPECT_EQ(last.julian(), day(c.year, c.toMonth, c.toDay).julian());
    }
}

TEST(Ledger, ScanListsUnreadableFilesWithTheirReasonAndGoesOn)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir().mkpath(root + "/2026/october");
    JobInvoice good = invoice(3081, day(2026, 10, 1), 30, {{85'00, 2000}});
    save(good, root + "/2026/october/3081.vli");
    JobEstimate estimate;
    estimate.setNumber(1017);
    save(estimate, root + "/2026/1017.VLE");
    QFile bad(root + "/2026/october/bad.vli");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("[estimate]\nversion=1\n");
    bad.close();
    QFile(root + "/notes.txt").open(QIODevice::WriteOnly);
    ASSERT_EQ(mkfifo(QFile::encodeName(root + "/pipe.vlq").constData(), 0600), 0);

    const QStringList files =
        DocumentScanner::documentFiles({root, root + "/missing.vli", root + "/notes.txt"});
    EXPECT_EQ(files, QStringList({root + "/2026/1017.VLE", root + "/2026/october/3081.vli",
                                  root + "/2026/october/bad.vli", root + "/missing.vli",
                                  root + "/notes.txt", root + "/pipe.vlq"}));
    const Ledger ledger(DocumentScanner::scan(files, vatInputs(day(2026, 10, 14))),
                        day(2026, 10, 14));
    ASSERT_EQ(ledger.size(), 6);
    EXPECT_TRUE(ledger.row(0).entry.isReadable());
    EXPECT_EQ(ledger.row(1).entry.summary.gross, OMMoney(102'00));
    EXPECT_EQ(ledger.row(1).status, Ledger::Owed);
    const char* reasons[] = {"Invalid Invoice file.", "It was not found.", "does not end in .vle",
                             "It is not a file."};
    for (int i = 2; i < 6; ++i) {
        EXPECT_EQ(ledger.row(i).status, Ledger::Unreadable);
        EXPECT_TRUE(ledger.row(i).entry.error.contains(reasons[i - 2]))
            << ledger.row(i).entry.error.toStdString();
    }
    EXPECT_TRUE(ledger.hasUnreadable());
}

TEST(Ledger, ExportsCarryTheReportsFieldNamesAndQuoteCsvCells)
{
    const FigureInputs inputs = vatInputs(day(2026, 12, 31));
    JobInvoice inv = invoice(5, day(2026, 10, 1), 30, {{100'00, 2000}});
    inv.customer.surname = "=Hayes, \"Sons\"";
    const Ledger ledger({entryOf(inv, "5.vli", inputs), unreadable("x.vli")}, inputs.asOf);
    const QString json = LedgerExport::toJson(ledger, {0, 1});
    for (const char* key : {"\"docReference\"", "\"grossTotal\"", "\"amountDue\"", "\"isOverdue\"",
                            "\"vatSummary\"", "\"vatAmount\"", "\"over90Days\"", "\"error\""})
        EXPECT_TRUE(json.contains(key)) << key;

    const QStringList lines = LedgerExport::toCsv(ledger, {0}).split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(
        lines[1].startsWith("5.vli,invoice,5,5,2026-10-01,2026-10-31,\"'=Hayes, \"\"Sons\"\""))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(",100.00,20.00,120.00,0.00,120.00,overdue by 61 days,61,,"));
}

TEST(Ledger, ReverseChargeSalesAreNetOnlyAndCisDeductionsTotalPerTaxMonth)
{
    // Under the reverse charge: 1,000.00 at 20 % and 200.00 at 5 %, labour
    // throughout, for a contractor at 20 %; paid 600.00 + 150.00 deducted on
    // 5 November (tax month 6 October to 5 November), and 360.00 + 90.00 on
    // 6 November (the next). Beside it an ordinary sale, 100.00 at 20 %.
    JobInvoice rc = invoice(31, day(2026, 10, 20), 30, {{1000'00, 2000}, {200'00, 500}});
    rc.reverseCharge = true;
    rc.customer.cisContractor = true;
    for (const auto& [when, received, deducted] : {std::tuple{day(2026, 11, 5), 600'00, 150'00},
                                                   std::tuple{day(2026, 11, 6), 360'00, 90'00}}) {
        JobItem p;
        p.date = when;
        p.price = received;
        p.deduction = deducted;
        rc.payments.add(p);
    }
    const JobInvoice ordinary = invoice(32, day(2026, 10, 21), 30, {{100'00, 2000}});
    const FigureInputs inputs = vatInputs(day(2026, 12, 31));
    const Ledger ledger({entryOf(rc, "31.vli", inputs), entryOf(ordinary, "32.vli", inputs)},
                        inputs.asOf);

    const Ledger::Totals t = ledger.totals();
    EXPECT_EQ(t.vat, OMMoney(20'00));
    EXPECT_EQ(t.gross, OMMoney(1200'00 + 120'00));
    EXPECT_EQ(t.cisDeducted, OMMoney(240'00));
    EXPECT_EQ(t.owed, OMMoney(120'00)) << "the deductions settle with the payments";
    EXPECT_TRUE(LedgerExport::toCsv(ledger, {0, 1}).contains(",240.00\r\n32.vli,"))
        << "the deductions close the invoice's CSV row";

    struct Expected
    {
        VatSummary::Basis basis;
        int64_t reverseNet, net20, vat20;
    };
    for (const Expected& c : {Expected{VatSummary::InvoiceBasis, 1200'00, 100'00, 20'00},
                              Expected{VatSummary::CashBasis, 1200'00, 0, 0}}) {
        SCOPED_TRACE(c.basis);
        OMDate first, last;
        ASSERT_TRUE(VatSummary::parsePeriod("2026-Q4", &first, &last, nullptr));
        const VatSummary s(ledger, first, last, c.basis);
        ASSERT_FALSE(s.lines().empty());
        EXPECT_TRUE(s.lines()[0].reverseCharge);
        EXPECT_EQ(s.lines()[0].net, OMMoney(c.reverseNet));
        EXPECT_EQ(s.lines()[0].vat, OMMoney());
        EXPECT_EQ(s.vat(), OMMoney(c.vat20));
        EXPECT_EQ(s.net(), OMMoney(c.reverseNet + c.net20));
        EXPECT_TRUE(s.toTable().contains(QStringLiteral("reverse charge")));
    }

    const std::vector<Ledger::CisMonth> months =
        ledger.cisByTaxMonth(LedgerExport::allRows(ledger));
    ASSERT_EQ(months.size(), 2u);
    EXPECT_EQ(months[0].first, day(2026, 10, 6));
    EXPECT_EQ(months[0].last, day(2026, 11, 5));
    EXPECT_EQ(months[0].deducted, OMMoney(150'00));
    EXPECT_EQ(months[1].first, day(2026, 11, 6));
    EXPECT_EQ(months[1].deducted, OMMoney(90'00));
    // Across the year's end: the 3rd of January is in December's tax month.
    EXPECT_EQ(Ledger::taxMonthOf(day(2027, 1, 3)).first, day(2026, 12, 6));
    const QString table = LedgerExport::toTable(ledger, LedgerExport::allRows(ledger));
    EXPECT_TRUE(table.contains(QStringLiteral("2026-11-06 to 2026-12-05         90.00")));
}
