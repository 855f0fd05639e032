#include "WindowFixture.h"

#include "app/CustomerExportDialog.h"
#include "app/CustomerImportDialog.h"
#include "customers/CustomerCsv.h"
#include "customers/CustomerDatabase.h"
#include "fileformat/TextFile.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using ombrel::OMString;

namespace {

class CustomerDialogsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString dbPath;
    QString csvPath;
    CustomerDatabase db;

    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        dbPath = dir.filePath("Vorlane.vlc");
        SettingsStore::set(SettingKeys::CustomerDatabase, OMString::fromQString(dbPath));
        ASSERT_TRUE(db.loadCustomerDatabase());
        Customer ann;
        ann.name = "Ann";
        ann.surname = "Dunmore";
        ann.address.postcode = "AB1 2CD";
        ASSERT_TRUE(db.updateCustomer(ann));
        // An update, two additions, a repeat and a row without a name.
        csvPath = dir.filePath("in.csv");
        ASSERT_TRUE(TextFile::save(csvPath, "Number,First name,Surname,Postcode,E-mail\r\n"
                                            "1,Ann,Dunmore,AB1 2CD,ann@example.com\r\n"
                                            ",Bob,Slate,ZZ1 1ZZ,\r\n"
                                            ",Cy,Roof,YY1 1YY,\r\n"
                                            ",bob,SLATE,zz1 1zz,\r\n"
                                            ",,,,x@example.com\r\n"));
    }

    static QStringList column(const QTableWidget& table, int col)
    {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            texts.append(table.item(row, col)->text());
        return texts;
    }
    static QStringList surnames(const CustomerDatabase& from)
    {
        QStringList names;
        from.customers().forEach([&](const Customer& c) { names.append(c.surname.toQString()); });
        return names;
    }
};

} // namespace

TEST_F(CustomerDialogsTest, ImportPreviewsEachRowAndStoresTheTickedOnesOnly)
{
    CustomerImportDialog dialog(db);
    ASSERT_TRUE(dialog.load(csvPath));
    QTableWidget& table = *dialog.table();
    EXPECT_EQ(column(table, CustomerImportDialog::LineColumn), QStringList({"2", "3", "4", "5"}));
    EXPECT_EQ(column(table, CustomerImportDialog::ActionColumn),
              QStringList({"Update", "Add", "Add", "Skip"}));
    EXPECT_EQ(column(table, CustomerImportDialog::NoteColumn).last(), "repeats line 3");
    EXPECT_EQ(column(table, CustomerImportDialog::NameColumn).last(), "bob SLATE");
    EXPECT_EQ(table.item(3, CustomerImportDialog::TickColumn)->flags() & Qt::ItemIsUserCheckable,
              Qt::NoItemFlags);
    EXPECT_TRUE(dialog.problemsText()->toPlainText().contains("Line 6"));

    table.item(2, CustomerImportDialog::TickColumn)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dialog.countsLabel()->text(),
              "1 to add, 1 to update, 1 skipped, 1 left out, 1 not read.");
    bool failed = false;
    EXPECT_EQ(dialog.apply(db, [&](const QString&) { failed = true; }),
              "Customers added: 1; updated: 1.");
    EXPECT_FALSE(failed);

    // Written to the file: another copy reads the same.
    CustomerDatabase other;
    ASSERT_TRUE(other.loadCustomerDatabase());
    for (const CustomerDatabase* copy : {&db, &other}) {
        EXPECT_EQ(surnames(*copy), QStringList({"Dunmore", "Slate"}));
        EXPECT_EQ(copy->customer(1)->email, "ann@example.com");
    }
}

// Another copy holding the database: Import returns at once and hands the
// write to the caller's retry; the customers wait in memory.
TEST_F(CustomerDialogsTest, ImportIntoABusyDatabaseLeavesTheWriteToTheCaller)
{
    CustomerImportDialog dialog(db);
    ASSERT_TRUE(dialog.load(csvPath));
    QLockFile other(dbPath + ".lock");
    ASSERT_TRUE(other.tryLock(0));
    db.setLockTimes(0, CustomerDatabase::DefaultStaleLockMs);
    QString reason;
    dialog.apply(db, [&](const QString& why) { reason = why; });
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(db.lastWriteFoundLockBusy());
    EXPECT_TRUE(db.hasUnwrittenChanges());
    EXPECT_EQ(surnames(db), QStringList({"Dunmore", "Slate", "Roof"}));
    other.unlock();
    EXPECT_TRUE(db.saveCustomerDatabase());
}

TEST_F(CustomerDialogsTest, ImportRefusesAFolder)
{
    CustomerImportDialog dialog(db);
    QString error;
    EXPECT_FALSE(dialog.load(dir.path(), &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(dir.path()))) << error.toStdString();
}

TEST_F(CustomerDialogsTest, ExportWritesEachFormatAndRefusesAnythingButAPlainFile)
{
    const std::vector<Customer> customers = CustomerExportDialog::customersOf(db);
    ASSERT_EQ(customers.size(), 1u);
    struct Case
    {
        QString path;
        CustomerExportDialog::Format format;
        const char* holds; // empty: refused
    };
    const Case cases[] = {
        {dir.filePath("out.csv"), CustomerExportDialog::Csv, "Dunmore"},
        {dir.filePath("out.vcf"), CustomerExportDialog::VCard3, "VERSION:3.0"},
        {dir.filePath("out.vcf"), CustomerExportDialog::VCard4, "VERSION:4.0"},
        {dir.path(), CustomerExportDialog::Csv, ""},
        {"/dev/null", CustomerExportDialog::Csv, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QString error;
        const bool written = CustomerExportDialog::write(c.path, c.format, customers, &error);
        EXPECT_EQ(written, *c.holds != 0) << error.toStdString();
        if (!written) {
            EXPECT_TRUE(error.contains(c.path));
            continue;
        }
        QByteArray bytes;
        ASSERT_TRUE(TextFile::load(c.path, bytes));
        EXPECT_EQ(bytes, CustomerExportDialog::bytes(c.format, customers));
        EXPECT_TRUE(bytes.contains(c.holds));
    }
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());

    // A CSV export reads back as the customers it was made from.
    QByteArray csv;
    ASSERT_TRUE(TextFile::load(dir.filePath("out.csv"), csv));
    const CustomerCsv::Contents back = CustomerCsv::read(csv);
    ASSERT_EQ(back.rows.size(), 1u);
    EXPECT_EQ(back.rows[0].customer.surname, "Dunmore");
    EXPECT_EQ(back.rows[0].customer.address.postcode, "AB1 2CD");
}

using CustomerImportCommand = WindowTest;

// The program's Import: the file asked for, the rows left unticked left out,
// and what was done said afterwards.
TEST_F(CustomerImportCommand, ImportsTheTickedRowsAndSaysWhatItDid)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    const QString csv = dir.filePath("in.csv");
    ASSERT_TRUE(TextFile::save(csv, "Surname,Company\nSlate,\n,Roof & Co\n"));
    dialogs->importAnswer = csv;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CustomerImportDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->table()->item(1, CustomerImportDialog::TickColumn)->setCheckState(Qt::Unchecked);
        dialog->accept();
    });
    ASSERT_TRUE(app->importCustomers());
    EXPECT_EQ(dialogs->offeredImportFilter, CustomerImportDialog::Filter);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Customers added: 1; updated: 0.");

    // Cancelled at the file: nothing asked after it.
    dialogs->importAnswer.clear();
    EXPECT_FALSE(app->importCustomers());
    EXPECT_EQ(messages.size(), 1u);
}
