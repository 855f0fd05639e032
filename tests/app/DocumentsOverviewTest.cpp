#include "app/DocumentsOverview.h"
#include "app/LedgerFilterModel.h"
#include "app/LedgerModel.h"
#include "ledger/LedgerFixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ledgertest;
using ombrel::OMMoney;

namespace {

class Overview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        JobInvoice first = invoice(1, day(2026, 9, 1), 30, {{100'00, 0}});
        save(first, dir.filePath("1.vli"));
        setup.paths = {dir.path()};
        setup.inputs.asOf = day(2026, 11, 1);
        setup.indexFile = dir.filePath(".cache/documents.index");
    }

    void scan(DocumentsOverview& overview)
    {
        QSignalSpy done(&overview, &DocumentsOverview::scanFinished);
        overview.startScan();
        ASSERT_TRUE(done.wait(10000));
    }

    int rowOf(DocumentsOverview& overview, const QString& name)
    {
        return overview.model().ledger().indexOf(dir.filePath(name));
    }

    QTemporaryDir dir;
    DocumentsOverview::Setup setup;
};

} // namespace

TEST_F(Overview, FilesSavedAddedAndRemovedElsewhereShowWithinASecond)
{
    DocumentsOverview overview(setup);
    scan(overview);
    ASSERT_EQ(overview.model().rowCount(), 1);
    EXPECT_TRUE(QFile::exists(setup.indexFile));

    // Saved by another copy of the program (a file renamed into place).
    JobInvoice second = invoice(2, day(2026, 10, 20), 30, {{40'00, 0}});
    save(second, dir.filePath("2.vli"));
    QTRY_COMPARE_WITH_TIMEOUT(overview.model().rowCount(), 2, 1000);

    // Paid in full and saved again: read again.
    JobInvoice paid = invoice(1, day(2026, 9, 1), 30, {{100'00, 0}}, {{day(2026, 10, 30), 100'00}});
    save(paid, dir.filePath("1.vli"));
    QTRY_COMPARE_WITH_TIMEOUT(overview.model().ledger().row(rowOf(overview, "1.vli")).status,
                              Ledger::Paid, 1000);

    // A folder made afterwards is watched as well.
    QDir().mkpath(dir.filePath("2027"));
    QTest::qWait(400);
    JobInvoice later = invoice(3, day(2026, 10, 25), 30, {{10'00, 0}});
    save(later, dir.filePath("2027/3.vli"));
    QTRY_COMPARE_WITH_TIMEOUT(overview.model().rowCount(), 3, 1000);
    JobInvoice copy = invoice(3, day(2026, 10, 25), 30, {{10'00, 0}});
    save(copy, dir.filePath("2027/3 copy.vli"));
    QTRY_COMPARE_WITH_TIMEOUT(overview.model().rowCount(), 4, 1000);
    EXPECT_TRUE(overview.model().ledger().row(rowOf(overview, "2027/3.vli")).duplicate);

    ASSERT_TRUE(QFile::remove(dir.filePath("2.vli")));
    QTRY_COMPARE_WITH_TIMEOUT(overview.model().rowCount(), 3, 1000);
    EXPECT_EQ(rowOf(overview, "2.vli"), -1);
    ASSERT_TRUE(QDir(dir.filePath("2027")).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(overview.model().rowCount(), 1, 1000);
}

TEST_F(Overview, FiltersTotalsAndCsvFollowWhatIsShown)
{
    JobInvoice owed = invoice(2, day(2026, 10, 20), 30, {{40'00, 0}});
    save(owed, dir.filePath("2.vli"));
    JobEstimate estimate;
    estimate.setNumber(5);
    save(estimate, dir.filePath("5.vle"));
    QFile broken(dir.filePath("broken.vli"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.close();

    DocumentsOverview overview(setup);
    scan(overview);
    ASSERT_EQ(overview.model().rowCount(), 4);
    EXPECT_TRUE(overview.totalsText().contains("Owed 140.00, overdue 100.00"))
        << overview.totalsText().toStdString();
    EXPECT_TRUE(overview.totalsText().contains("1 file could not be read"));

    struct Case
    {
        LedgerFilterModel::StatusFilter status;
        int kind;
        QString text;
        int rows;
        const char* totals;
    };
    const Case cases[] = {
        {LedgerFilterModel::OverdueOnly, -1, {}, 1, "Owed 100.00, overdue 100.00"},
        {LedgerFilterModel::Outstanding, -1, "2.vli", 1, "Owed 40.00, overdue 0.00"},
        {LedgerFilterModel::AnyStatus, DocumentKind::Estimate, {}, 1, "Owed 0.00"},
        {LedgerFilterModel::Unreadable, -1, {}, 1, "Owed 0.00"},
        {LedgerFilterModel::AnyStatus, -1, {}, 4, "Owed 140.00"},
    };
    for (const Case& c : cases) {
        overview.shown().setStatus(c.status);
        overview.shown().setKind(c.kind);
        overview.shown().setText(c.text);
        SCOPED_TRACE(overview.totalsText().toStdString());
        // The totals line follows the model's signals, as after a keystroke.
        QCoreApplication::processEvents();
        EXPECT_EQ(overview.shown().rowCount(), c.rows);
        EXPECT_EQ(overview.shownAsCsv().count("\r\n"), c.rows + 1);
    }

    overview.shown().sort(LedgerModel::Due, Qt::DescendingOrder);
    const QString top = overview.shown().index(0, LedgerModel::File).data().toString();
    EXPECT_EQ(top, "1.vli");
}

// A reminder recorded with an invoice shows as its last reminder, also when
// a later overview takes the entry from the index, with the customer's number.
TEST_F(Overview, LastReminderShownAndKeptByTheIndex)
{
    JobInvoice reminded = invoice(1, day(2026, 9, 1), 30, {{100'00, 0}});
    reminded.customer.custno = 12;
    reminded.reminders.push_back({day(2026, 10, 10), Reminder::Friendly, OMMoney()});
    reminded.reminders.push_back({day(2026, 10, 24), Reminder::FinalNotice, OMMoney(41'14)});
    save(reminded, dir.filePath("1.vli"));
    for (int pass = 0; pass < 2; ++pass) {
        DocumentsOverview overview(setup);
        scan(overview);
        const int row = rowOf(overview, "1.vli");
        ASSERT_GE(row, 0);
        const DocumentSummary& s = overview.model().ledger().row(row).entry.summary;
        EXPECT_EQ(s.customerNumber, 12u) << pass;
        EXPECT_EQ(s.reminders, reminded.reminders) << pass;
        const QString shown =
            overview.model().index(row, LedgerModel::LastReminder).data().toString();
        EXPECT_TRUE(shown.endsWith("final notice")) << shown.toStdString();
        EXPECT_EQ(
            overview.model().index(row, LedgerModel::LastReminder).data(LedgerModel::SortRole),
            QVariant(qlonglong(day(2026, 10, 24).julian())));
    }
    EXPECT_TRUE(QFile::exists(setup.indexFile));
}
