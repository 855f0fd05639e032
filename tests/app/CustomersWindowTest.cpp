#include "app/CustomersWindow.h"
#include "WindowFixture.h"
#include "app/CommandIds.h"
#include "app/CustomerEditor.h"
#include "app/CustomerFilterModel.h"
#include "app/CustomerListModel.h"
#include "app/DocumentsOverview.h"
#include "app/LedgerModel.h"
#include "customers/CustomerDatabase.h"
#include "customers/CustomerFileLock.h"
#include "ledger/LedgerFixture.h"

#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <set>

using namespace ledgertest;
using ombrel::OMDate;
using ombrel::OMString;

namespace {

Customer person(uint32_t number, const char* name, const char* surname, const char* street,
                const char* town, const char* postcode, const char* phone, const char* email)
{
    Customer c;
    c.custno = number;
    c.name = name;
    c.surname = surname;
    c.address.first = street;
    c.address.town = town;
    c.address.postcode = postcode;
    c.phone = phone;
    c.email = email;
    return c;
}

/// Three customers, two of them the same woman, and an invoice for each.
class CustomersWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        SettingsStore::set(SettingKeys::CustomerDatabase, OMString::fromQString(file()));
        SettingsStore::set(SettingKeys::DocumentFolder, OMString::fromQString(dir.path()));
        CustomerDatabase db;
        ASSERT_TRUE(db.loadCustomerDatabase());
        std::vector<Customer> customers{
            person(1, "Ann", "Smith", "1 High Street", "Leeds", "LS1 4AB", "0113 496 0000",
                   "ann@example.com"),
            person(2, "Bob", "Jones", "9 Low Road", "York", "YO1 7HH", "01904 000111", ""),
            person(3, "Ann", "Smith", "1 High St", "Leeds", "LS1 4AB", "", "")};
        customers[2].mobile = "07700 900555";
        ASSERT_TRUE(db.updateCustomers(customers));
        // Owed and overdue: each invoice fell due a month ago.
        OMDate issued = OMDate::today();
        issued += -60;
        for (const auto& [custno, amount] : {std::pair{1u, 100'00}, {2u, 25'00}, {3u, 40'00}}) {
            JobInvoice inv = invoice(custno, issued, 30, {{amount, 0}});
            inv.customer = *db.customer(custno);
            save(inv, path(custno));
        }
        skipFirstRun();
        ASSERT_TRUE(start());
        window = app->showCustomers();
        ASSERT_NE(window, nullptr);
        ASSERT_NE(app->documentsOverview(), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!app->documentsOverview()->isScanning(), 10000);
    }

    QString file() const { return dir.filePath("customers.vlc"); }
    QString path(uint32_t number) const { return dir.filePath(QString("%1.vli").arg(number)); }

    /// The customers listed, by number.
    std::set<uint32_t> listed() const
    {
        std::set<uint32_t> numbers;
        for (int row = 0; row < window->shown().rowCount(); ++row)
            numbers.insert(
                window->shown().index(row, 0).data(CustomerListModel::NumberRole).toUInt());
        return numbers;
    }

    /// The customer database as another copy of the program reads it.
    static std::unique_ptr<CustomerDatabase> onDisk()
    {
        auto db = std::make_unique<CustomerDatabase>();
        db->loadCustomerDatabase();
        return db;
    }

    /// Chooses the rows of `numbers` in the list, as Ctrl+click would.
    void choose(std::initializer_list<uint32_t> numbers)
    {
        QItemSelectionModel* selection = window->customerTable()->selectionModel();
        selection->clearSelection();
        for (int row = 0; row < window->shown().rowCount(); ++row) {
            const QModelIndex index = window->shown().index(row, 0);
            if (std::count(numbers.begin(), numbers.end(),
                           index.data(CustomerListModel::NumberRole).toUInt()))
                selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    QTemporaryDir dir;
    CustomersWindow* window = nullptr;
};

} // namespace

TEST_F(CustomersWindowTest, SearchFiltersAsTheUserTypes)
{
    const struct
    {
        const char* typed;
        std::set<uint32_t> expected;
    } cases[] = {
        {"", {1, 2, 3}},    {"SMITH", {1, 3}}, {"york", {2}}, {"ann@ex", {1}},
        {"ls14ab", {1, 3}}, {"0113 496", {1}}, {"2", {2}},    {"ann leeds", {1, 3}},
        {"ann york", {}},   {"low road", {2}},
    };
    for (const auto& c : cases) {
        window->searchField()->clear();
        QTest::keyClicks(window->searchField(), c.typed);
        EXPECT_EQ(listed(), c.expected) << c.typed;
    }
}

TEST_F(CustomersWindowTest, AnEditReachesTheFileAndAnotherCopysChangeShowsOnRefresh)
{
    ASSERT_TRUE(window->selectCustomer(2));
    CustomerEditor* editor = window->editor();
    auto* town = qobject_cast<QLineEdit*>(editor->field("town"));
    ASSERT_NE(town, nullptr);
    EXPECT_FALSE(editor->saveButton()->isEnabled());
    town->selectAll();
    QTest::keyClicks(town, "Selby");
    EXPECT_TRUE(editor->saveButton()->isEnabled());
    // Enter in a field saves.
    QTest::keyClick(town, Qt::Key_Return);
    EXPECT_FALSE(editor->isModified());
    EXPECT_TRUE(window->statusText().contains("stored")) << window->statusText().toStdString();
    auto disk = onDisk();
    ASSERT_NE(disk->customer(2), nullptr);
    EXPECT_EQ(disk->customer(2)->address.town.toQString(), "Selby");
    EXPECT_EQ(disk->customer(2)->surname.toQString(), "Jones");
    EXPECT_EQ(disk->customer(1)->email.toQString(), "ann@example.com");

    // Another copy changes him: shown once the window is refreshed.
    Customer changed = *disk->customer(2);
    changed.phone = "07700 900123";
    ASSERT_TRUE(disk->updateCustomer(changed));
    QTest::keyClick(window->customerTable(), Qt::Key_F5);
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor->field("phone"))->text(), "07700 900123");
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor->field("town"))->text(), "Selby");

    // Without the Documents window his documents are not listed; F5 opens it again.
    EXPECT_TRUE(window->totalsText().contains("owed 25.00")) << window->totalsText().toStdString();
    delete app->documentsOverview()->parentWidget();
    QApplication::processEvents();
    EXPECT_EQ(window->documentTable()->model()->rowCount(), 0);
    EXPECT_TRUE(window->totalsText().contains("Documents window"));
    QTest::keyClick(window->customerTable(), Qt::Key_F5);
    ASSERT_NE(app->documentsOverview(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(window->totalsText().contains("owed 25.00"), 10000);
}

TEST_F(CustomersWindowTest, DeleteAsksAndIsRefusedWhileADocumentHoldsTheCustomer)
{
    ASSERT_NE(app->openDocumentFile(path(2)), nullptr);
    ASSERT_TRUE(window->selectCustomer(2));
    answer = MessageHook::AnswerYes;
    EXPECT_FALSE(window->deleteCustomer());
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().text.contains("cannot be deleted"))
        << messages.back().text.toStdString();
    EXPECT_NE(onDisk()->customer(2), nullptr);
    // An edit meanwhile is stored, with a word about the open document.
    auto* phone = qobject_cast<QLineEdit*>(window->editor()->field("phone"));
    QTest::keyClicks(phone, "9");
    window->editor()->saveButton()->click();
    EXPECT_TRUE(window->statusText().contains("is open")) << window->statusText().toStdString();
    EXPECT_EQ(onDisk()->customer(2)->phone.toQString(), "01904 0001119");
    // Saving the open invoice, which never changed its copy, keeps the edit.
    trigger(CommandIds::FileSave);
    EXPECT_EQ(onDisk()->customer(2)->phone.toQString(), "01904 0001119");

    app->mainWindow()->activeDocumentWindow()->close();
    QApplication::processEvents();
    ASSERT_TRUE(window->selectCustomer(2));
    // The Delete key asks; No keeps him.
    answer = MessageHook::AnswerNo;
    messages.clear();
    QTest::keyClick(window->customerTable(), Qt::Key_Delete);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.back().icon, MessageHook::Question);
    EXPECT_NE(onDisk()->customer(2), nullptr);

    answer = MessageHook::AnswerYes;
    EXPECT_TRUE(window->deleteCustomer());
    EXPECT_EQ(onDisk()->customer(2), nullptr);
    EXPECT_EQ(listed(), (std::set<uint32_t>{1, 3}));
    // His invoice is still read, under no customer of the list.
    EXPECT_GE(app->documentsOverview()->model().ledger().indexOf(path(2)), 0);
}

TEST_F(CustomersWindowTest, MergeLeavesOneCustomerWhoseBalanceCountsTheOthersDocuments)
{
    ASSERT_TRUE(window->selectCustomer(1));
    EXPECT_TRUE(window->totalsText().contains("owed 100.00")) << window->totalsText().toStdString();

    choose({1, 3});
    // The first button keeps the lower number: 1.
    answer = MessageHook::AnswerYes;
    messages.clear();
    ASSERT_TRUE(window->mergeCustomers());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.front().text.contains("stay readable"));

    EXPECT_EQ(listed(), (std::set<uint32_t>{1, 2}));
    auto disk = onDisk();
    EXPECT_EQ(disk->customer(3), nullptr);
    EXPECT_EQ(disk->currentNumber(3), 1u);
    EXPECT_EQ(disk->customer(1)->mobile.toQString(), "07700 900555") << "taken from the other";
    EXPECT_EQ(disk->customer(1)->address.first.toQString(), "1 High Street");
    ASSERT_TRUE(window->selectCustomer(1));
    EXPECT_EQ(window->documentTable()->model()->rowCount(), 2);
    EXPECT_TRUE(window->totalsText().contains("owed 140.00, overdue 140.00"))
        << window->totalsText().toStdString();
    const QModelIndex owed = window->shown().index(window->customerTable()->currentIndex().row(),
                                                   CustomerListModel::Owed);
    EXPECT_EQ(owed.data().toString(), "140.00");
}

TEST_F(CustomersWindowTest, AnEditWhileAnotherCopyHoldsTheDatabaseIsWrittenOnceItIsFree)
{
    auto held = std::make_unique<CustomerFileLock>(file(), 0, 60000);
    ASSERT_TRUE(held->locked());
    ASSERT_TRUE(window->selectCustomer(2));
    auto* town = qobject_cast<QLineEdit*>(window->editor()->field("town"));
    town->selectAll();
    QTest::keyClicks(town, "Selby");
    QElapsedTimer waited;
    waited.start();
    window->editor()->saveButton()->click();
    // The window waits briefly, keeps the change and says so.
    EXPECT_LT(waited.elapsed(), 3000);
    EXPECT_TRUE(window->statusText().contains("Another copy"))
        << window->statusText().toStdString();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(onDisk()->customer(2)->address.town.toQString(), "York");
    EXPECT_EQ(qobject_cast<QLineEdit*>(window->editor()->field("town"))->text(), "Selby");

    held.reset();
    QTRY_COMPARE_WITH_TIMEOUT(onDisk()->customer(2)->address.town.toQString(), QString("Selby"),
                              8000);
}
