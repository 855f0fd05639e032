#include "commands/StatementCommand.h"
#include "customers/CustomerDatabase.h"
#include "ledger/DocumentScanner.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerFixture.h"
#include "records/AccountStatement.h"
#include "records/JobCreditNote.h"
#include "records/JobEstimate.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ombrel;
using ledgertest::day;

namespace {

// Customer 7, Dunmore: invoice 101 of 10 January (500.00, due 9 February,
// 200.00 paid on 1 February), invoice 102 of 1 March (1,200.00, due 31
// March) less credit note 5 of 15 March (100.00), invoice 103 of 20 May
// (300.00, due 3 June, paid in full on 20 June); an estimate. Customer 8,
// Dunmore-Hale: invoice 104 (999.00).
class Statement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        JobInvoice a = ledgertest::invoice(101, day(2026, 1, 10), 30, {{500'00, 0}},
                                           {{day(2026, 2, 1), 200'00}});
        JobInvoice b = ledgertest::invoice(102, day(2026, 3, 1), 30, {{1200'00, 0}});
        JobInvoice c = ledgertest::invoice(103, day(2026, 5, 20), 14, {{300'00, 0}},
                                           {{day(2026, 6, 20), 300'00}});
        JobCreditNote note;
        note.credit(b, {{0, OMMoney(100'00)}});
        note.setNumber(5);
        note.date = day(2026, 3, 15);
        JobEstimate estimate;
        estimate.setNumber(101);
        JobInvoice other = ledgertest::invoice(104, day(2026, 2, 1), 30, {{999'00, 0}});
        other.customer.surname = "Dunmore-Hale";
        other.customer.custno = 8;
        for (JobBase* record : std::initializer_list<JobBase*>{&a, &b, &c, &note, &estimate})
            record->customer.custno = 7;
        estimate.customer.surname = "Dunmore";
        const std::pair<JobBase*, const char*> files[] = {{&a, "a.vli"},        {&b, "b.vli"},
                                                          {&c, "c.vli"},        {&note, "n.vln"},
                                                          {&estimate, "e.vle"}, {&other, "o.vli"}};
        for (const auto& [record, name] : files)
            ledgertest::save(*record, dir.filePath(name));
    }

    std::vector<LedgerEntry> scan(const OMDate& asOf)
    {
        FigureInputs inputs;
        inputs.asOf = asOf;
        return DocumentScanner::scan(DocumentScanner::documentFiles({dir.path()}), inputs);
    }

    QTemporaryDir dir;
};

} // namespace

// Worked by hand, as of 10 June from 1 March: 500.00 - 200.00 brought
// forward; + 1,200.00 - 100.00 + 300.00 carries 1,700.00 (the payment of 20
// June is after the day). Owed: 300.00 of invoice 101, 121 days past due;
// 1,100.00 of 102, 71 days; 300.00 of 103, 7 days.
TEST_F(Statement, BalancesAndAgeingWorkedByHand)
{
    const std::vector<LedgerEntry> entries = scan(day(2026, 6, 10));
    std::vector<DocumentSummary> documents;
    QString error;
    ASSERT_TRUE(StatementCommand::documentsOf(entries, "7", &documents, &error))
        << error.toStdString();
    EXPECT_EQ(documents.size(), 4u) << "the estimate bills nothing";
    const AccountStatement s(documents, day(2026, 3, 1), day(2026, 6, 10));
    EXPECT_EQ(s.broughtForward, OMMoney(300'00));
    EXPECT_EQ(s.carried, OMMoney(1700'00));
    ASSERT_EQ(s.lines.size(), 3u);
    EXPECT_EQ(s.lines[0].text.toStdString(), "Invoice 102");
    EXPECT_EQ(s.lines[1].text.toStdString(), "Credit Note 5");
    EXPECT_EQ(s.lines[1].amount, OMMoney(-100'00));
    EXPECT_EQ(s.lines[1].balance, OMMoney(1400'00));
    EXPECT_EQ(s.lines[2].balance, OMMoney(1700'00));
    const std::array<OMMoney, AccountStatement::AgeingCount> ageing = {
        OMMoney(), OMMoney(300'00), OMMoney(), OMMoney(1100'00), OMMoney(300'00)};
    EXPECT_EQ(s.ageing, ageing);

    // From the start: nothing brought forward, the payment a line of its own.
    const AccountStatement all(documents, OMDate(), day(2026, 6, 10));
    EXPECT_EQ(all.broughtForward, OMMoney());
    ASSERT_EQ(all.lines.size(), 5u);
    EXPECT_EQ(all.lines[1].text.toStdString(), "Payment, invoice 101");
    EXPECT_EQ(all.lines[1].balance, OMMoney(300'00));
    EXPECT_EQ(all.carried, s.carried);
}

// Once every payment is dated on or before the statement's day, the balance
// carried and its ageing are the overview's for the customer's rows.
TEST_F(Statement, AddsUpToTheOverview)
{
    const OMDate asOf = day(2026, 7, 1);
    const std::vector<LedgerEntry> entries = scan(asOf);
    const Ledger ledger(entries, asOf);
    std::vector<int> rows;
    OMMoney due;
    for (int i = 0; i < ledger.size(); ++i)
        if (ledger.row(i).entry.summary.customerNumber == 7) {
            rows.push_back(i);
            due += ledger.row(i).due;
        }
    const Ledger::Totals totals = ledger.totals(rows);
    const AccountStatement s(StatementCommand::documentsOf(entries, 7), OMDate(), asOf);
    EXPECT_EQ(s.carried, due);
    EXPECT_EQ(s.carried, OMMoney(1400'00));
    for (int i = 0; i < AccountStatement::AgeingCount; ++i)
        EXPECT_EQ(s.ageing[size_t(i)], totals.ageing[size_t(i)]) << i;
}

TEST_F(Statement, CustomerByNumberOrUniqueNameAndThePdf)
{
    const std::vector<LedgerEntry> entries = scan(day(2026, 7, 1));
    std::vector<DocumentSummary> documents;
    QString error;
    EXPECT_TRUE(StatementCommand::documentsOf(entries, "dunmore-HALE", &documents, &error));
    EXPECT_EQ(documents.size(), 1u);
    const struct
    {
        const char* customer;
        const char* error;
    } refused[] = {{"dunmore", "more than one customer: Dunmore (7), Dunmore-Hale (8)"},
                   {"Smith", "No customer's name"},
                   {"9", "customer number 9"}};
    for (const auto& r : refused) {
        EXPECT_FALSE(StatementCommand::documentsOf(entries, r.customer, &documents, &error));
        EXPECT_TRUE(error.contains(r.error)) << error.toStdString();
    }

    StatementCommand::Request request;
    request.customer = "7";
    request.paths = {dir.path()};
    request.output = dir.filePath("statement.pdf");
    request.asOf = "2026-07-01";
    QStringList warnings;
    ASSERT_TRUE(StatementCommand::run(request, FigureInputs(), &error, &warnings))
        << error.toStdString();
    QFile pdf(request.output);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    request.asOf = "2026-07-32";
    EXPECT_FALSE(StatementCommand::run(request, FigureInputs(), &error, &warnings));
    EXPECT_EQ(error, "--as-of takes a day as YYYY-MM-DD, not 2026-07-32");
}

// Customer 8 merged into 7: his invoice is on 7's statement, and "dunmore"
// names one customer.
TEST_F(Statement, MergedCustomersDocumentsCountUnderTheOneKept)
{
    SettingsStore::set(SettingKeys::CustomerDatabase,
                       OMString::fromQString(dir.filePath("customers.vlc")));
    CustomerDatabase customers;
    ASSERT_TRUE(customers.loadCustomerDatabase());
    std::vector<Customer> both(2);
    both[0].custno = 7;
    both[0].surname = "Dunmore";
    both[1].custno = 8;
    both[1].surname = "Dunmore-Hale";
    ASSERT_TRUE(customers.updateCustomers(both));
    ASSERT_TRUE(customers.mergeCustomers(8, both[0]));

    std::vector<LedgerEntry> entries = scan(day(2026, 7, 1));
    EXPECT_EQ(StatementCommand::documentsOf(entries, 7).size(), 4u);
    StatementCommand::countUnderKeptCustomers(entries, customers);
    EXPECT_EQ(StatementCommand::documentsOf(entries, 7).size(), 5u);
    std::vector<DocumentSummary> documents;
    QString error;
    EXPECT_TRUE(StatementCommand::documentsOf(entries, "dunmore", &documents, &error))
        << error.toStdString();
    EXPECT_EQ(documents.size(), 5u);
}
