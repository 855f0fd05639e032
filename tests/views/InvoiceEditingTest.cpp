#include "UserTyping.h"
#include "documents/DocumentTemplates.h"
#include "documents/JobInvoiceDoc.h"
#include "print/TextStyles.h"
#include "print/layout/GPage.h"
#include "records/JobInvoice.h"
#include "settings/SettingsStore.h"
#include "support/MessageCapture.h"
#include "views/ItemGrid.h"
#include "views/JobInvoiceEditView.h"
#include "views/PaymentsTab.h"
#include "views/PricedItemsTab.h"
#include "views/TotalsStrip.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace UserTyping;

namespace {

class InvoiceEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        templates.registerJobTemplates();
        styles.loadStyles();
    }
    void open(bool fresh)
    {
        if (fresh) {
            doc = std::make_unique<JobInvoiceDoc>();
            ASSERT_TRUE(doc->onNewDocument());
        } else {
            doc = std::unique_ptr<JobInvoiceDoc>(static_cast<JobInvoiceDoc*>(
                templates.openDocumentFile(example("invoice-3081-kitchen-leak.vli")).release()));
            ASSERT_NE(doc, nullptr);
        }
        view = std::make_unique<JobInvoiceEditView>(doc.get(), styles);
        view->resize(900, 600);
        view->onInitialUpdate();
        view->show();
        QApplication::processEvents();
    }
    void select(EditTab& tab)
    {
        for (int i = 0; i < view->tabCount(); ++i)
            if (view->tab(i) == &tab)
                view->selectTab(i);
        ASSERT_EQ(view->currentTab(), &tab);
    }
    template <typename T> T* field(const char* name)
    {
        return view->invoiceTab().findChild<T*>(QString::fromLatin1(name));
    }
    QString pageText() { return view->preview().printed().page().pageText(0).join('\n'); }

    DocumentTemplates templates;
    TextStyles styles;
    MessageCapture capture;
    std::unique_ptr<JobInvoiceDoc> doc;
    std::unique_ptr<JobInvoiceEditView> view;
};

} // namespace

TEST_F(InvoiceEditing, TheStampGoesOnceTheUserLeavesATabThatSettledTheInvoice)
{
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"paid in full",
         [this] {
             select(view->payments());
             ItemGrid& grid = *view->payments().grid();
             const int entry = grid.rowCount() - 1;
             typeCell(grid, entry, 1, "Balance");
             typeCell(grid, entry, 2,
                      doc->invoice().totals(true).amountDue().toPlainString().toQString());
         }},
        {"dated today",
         [this] {
             select(view->invoiceTab());
             QCheckBox* specify = field<QCheckBox>("specifyDate");
             if (!specify->isChecked())
                 specify->click();
             type(field<QLineEdit>("date"), QDate::currentDate().toString("dd/MM/yyyy"));
         }},
    };
    for (const auto& [name, edit] : edits) {
        open(false);
        // Looking through the tabs changes nothing.
        for (int i = 0; i < view->tabCount(); ++i)
            view->nextTab();
        EXPECT_FALSE(doc->isModified()) << name;
        EXPECT_EQ(view->preview().stampText(), "OVERDUE") << name;

        edit();
        EXPECT_TRUE(doc->isModified()) << name;
        select(view->preview());
        EXPECT_EQ(view->overdueStamp(), "") << name;
        EXPECT_EQ(view->preview().stampText(), "") << name;
        view.reset();
        doc.reset();
    }
    EXPECT_TRUE(capture.texts.empty());
}

TEST_F(InvoiceEditing, TheTotalsFollowEveryCommittedCell)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    SettingsStore::set(SettingKeys::CurrencySymbol, "£");
    open(false);
    const TotalsStrip& strip = *view->totalsStrip();
    const auto shown = [&strip](const char* label) {
        for (const TotalsStrip::Figure& f : strip.figures())
            if (f.label == QLatin1String(label))
                return f.amount.toString().str();
        return std::string("none");
    };
    EXPECT_TRUE(strip.isHidden()) << "not under the customer's details";
    select(view->items());
    ASSERT_FALSE(strip.isHidden());
    EXPECT_EQ(strip.accessibleName(), "Totals");
    const ombrel::OMMoney before = doc->invoice().totals(true).grossTotal;
    EXPECT_EQ(shown("Total"), before.toString().str());

    // A new line of 2 × 50.00 at the standard 20 %: the strip follows each committed cell.
    ItemGrid& grid = *view->items().grid();
    const int entry = grid.rowCount() - 1;
    typeCell(grid, entry, PricedItemsTab::DescColumn, "Isolator switch");
    typeCell(grid, entry, PricedItemsTab::QtyColumn, "2");
    typeCell(grid, entry, PricedItemsTab::PriceColumn, "50");
    EXPECT_EQ(view->currentTab(), &view->items()) << "no pass in between";
    EXPECT_EQ(shown("Total"), (before + ombrel::OMMoney(12000)).toString().str());
    const std::string due = shown("Amount due");
    EXPECT_NE(strip.accessibleDescription().indexOf("Amount due: £" + QString::fromStdString(due)),
              -1);
    // The page says the same.
    select(view->preview());
    EXPECT_TRUE(pageText().contains(QString::fromStdString(due))) << due;

    // The balance paid: nothing is due.
    select(view->payments());
    ItemGrid& payments = *view->payments().grid();
    typeCell(payments, payments.rowCount() - 1, PaymentsTab::AmountColumn,
             QString::fromStdString(due));
    EXPECT_EQ(shown("Amount due"), "0.00");
    EXPECT_EQ(shown("Paid"), doc->invoice().totals(true).totalPaid.toString().str());
    select(view->customer());
    EXPECT_TRUE(strip.isHidden());
    EXPECT_EQ(view->overdueStamp(), "PAID");
    EXPECT_TRUE(capture.texts.empty());
}

TEST_F(InvoiceEditing, ANewInvoiceIsNamedAfterTheNumberTyped)
{
    open(true);
    const QString automatic = doc->title();
    EXPECT_TRUE(automatic.startsWith("Invoice ")) << automatic.toStdString();
    select(view->invoiceTab());
    field<QCheckBox>("specifyNumber")->click();
    type(field<QLineEdit>("number"), "K-77");
    select(view->items());
    EXPECT_EQ(doc->title(), "Invoice K-77");
    EXPECT_EQ(doc->invoice().docReference, "K-77");
}

TEST_F(InvoiceEditing, AnImportShowsItsLinesAtOnce)
{
    open(true);
    select(view->items());
    ItemGrid& grid = *view->items().grid();
    EXPECT_EQ(grid.rowCount(), 2); // header and entry row
    ASSERT_EQ(view->importFile(example("estimate-1017-bathroom-refit.vle"), {true, true}),
              InvoiceImport::Imported);
    // Labour, Travel, Tool/Plant Hire and Materials, then the entry row.
    ASSERT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(grid.text(1, 1), "Labour");
    EXPECT_TRUE(doc->isModified());
    EXPECT_GT(doc->invoice().totals(true).grossTotal, ombrel::OMMoney(0));
    select(view->preview());
    EXPECT_TRUE(pageText().contains("Tool/Plant Hire"));
}

TEST_F(InvoiceEditing, LinesAtTheirOwnRatesAndPaymentsThatLeaveADueOrARefund)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    SettingsStore::set(SettingKeys::VATRate, 2000);
    // A payment below the total leaves an amount due; one above it, a refund.
    const struct
    {
        const char* paid;
        const char* due;
        const char* line;
    } cases[] = {{"100.00", "125.00", "AMOUNT DUE"}, {"300.00", "-75.00", "Refund due"}};
    for (const auto& c : cases) {
        open(true);
        select(view->items());
        ItemGrid& items = *view->items().grid();
        ASSERT_TRUE(view->items().hasVatColumn());
        // 2 × 50.00 at 20 % and 1 × 100.00 at 5 %: net 200.00, VAT 20.00 + 5.00.
        typeCell(items, items.rowCount() - 1, PricedItemsTab::DescColumn, "Radiators");
        const int first = items.rowCount() - 2;
        typeCell(items, first, PricedItemsTab::QtyColumn, "2");
        typeCell(items, first, PricedItemsTab::PriceColumn, "50");
        typeCell(items, first, PricedItemsTab::VatColumn, "20");
        typeCell(items, items.rowCount() - 1, PricedItemsTab::DescColumn, "Boiler service");
        const int second = items.rowCount() - 2;
        typeCell(items, second, PricedItemsTab::PriceColumn, "100");
        typeCell(items, second, PricedItemsTab::VatColumn, "5");

        select(view->payments());
        ItemGrid& payments = *view->payments().grid();
        typeCell(payments, payments.rowCount() - 1, PaymentsTab::DescColumn, "Deposit");
        typeCell(payments, payments.rowCount() - 2, PaymentsTab::AmountColumn, c.paid);
        select(view->preview());

        const InvoiceTotals totals = doc->invoice().totals(true);
        ASSERT_EQ(totals.vatSummary.size(), 2) << c.paid;
        EXPECT_EQ(totals.netTotal.toPlainString(), "200.00");
        EXPECT_EQ(totals.grossTotal.toPlainString(), "225.00");
        EXPECT_EQ(totals.amountDue(), ombrel::OMMoney(c.due)) << c.paid;
        EXPECT_TRUE(pageText().contains(QLatin1String(c.line))) << pageText().toStdString();
        view.reset();
        doc.reset();
    }
}

// An issued invoice asks before its lines or dates change; payments never ask.
TEST_F(InvoiceEditing, AnIssuedInvoiceAsksBeforeItsLinesOrDatesChange)
{
    open(false);
    doc->invoice().issued = ombrel::OMTime(true);
    int creditNotes = 0;
    QObject::connect(view.get(), &JobInvoiceEditView::creditNoteRequested,
                     [&creditNotes] { ++creditNotes; });
    select(view->items());
    ItemGrid& grid = *view->items().grid();
    const QString before = grid.text(1, 1);

    // Cancel, then Credit Note: the line stays as it was sent.
    capture.answers = {MessageHook::AnswerCancel, MessageHook::AnswerYes};
    typeCell(grid, 1, 1, QStringLiteral("X"));
    typeCell(grid, 1, 1, QStringLiteral("Y"));
    EXPECT_EQ(grid.text(1, 1), before);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(creditNotes, 1);
    ASSERT_FALSE(capture.texts.empty());
    EXPECT_EQ(capture.texts.front(), doc->issuedQuestion().toStdString());
    EXPECT_TRUE(
        QString::fromStdString(capture.texts.front()).startsWith("Invoice 3081 was sent on"));

    // So does the reverse charge: Cancel leaves it as it was sent.
    QCheckBox* reverse = view->items().reverseChargeBox();
    view->items().setReverseCharge(false, true);
    capture.answers = {MessageHook::AnswerCancel};
    reverse->setFocus();
    QTest::keyClick(reverse, Qt::Key_Space);
    EXPECT_FALSE(reverse->isChecked());
    EXPECT_FALSE(doc->invoice().reverseCharge);
    EXPECT_EQ(capture.texts.size(), 3u);

    // Payments are recorded without a question.
    const size_t asked = capture.texts.size();
    select(view->payments());
    typeCell(*view->payments().grid(), 2, 1, QStringLiteral("Cheque"));
    EXPECT_EQ(capture.texts.size(), asked);
    EXPECT_TRUE(doc->isModified());

    // The date field asks too; Edit Anyway lets the change through and asks no more.
    select(view->invoiceTab());
    auto* specify = field<QCheckBox>("specifyDate");
    ASSERT_TRUE(specify->isChecked()) << "the example has a date of its own";
    capture.answers = {MessageHook::AnswerNo};
    specify->setFocus();
    QTest::keyClick(specify, Qt::Key_Space);
    EXPECT_EQ(capture.texts.size(), asked + 1);
    EXPECT_FALSE(specify->isChecked());
    select(view->items());
    typeCell(grid, 1, 1, QStringLiteral("Z"));
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("Z"));
    EXPECT_EQ(capture.texts.size(), asked + 1);
}
