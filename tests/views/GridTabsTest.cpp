#include "documents/JobEstimateDoc.h"
#include "records/Job.h"
#include "records/JobInvoice.h"
#include "settings/SettingsStore.h"
#include "support/MessageCapture.h"
#include "views/ItemGrid.h"
#include "views/ItemGridModel.h"
#include "views/MaterialsTab.h"
#include "views/PaymentsTab.h"
#include "views/TabbedEditView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace ombrel;

namespace {

// Materials, payments and an empty tab to switch to; the lists are bound
// before every load pass, as the document views do.
class GridView : public TabbedEditView
{
public:
    GridView(JobEstimateDoc* doc, JobInvoice* invoice)
        : TabbedEditView(doc), m_doc(doc), m_invoice(invoice)
    {
        addTab(2059, &materials);
        addTab(2125, &payments);
        addTab(2063, &other);
        onInitialUpdate();
    }
    MaterialsTab materials;
    PaymentsTab payments;
    EditTab other{0};

protected:
    bool exchangeData(bool save) override
    {
        if (!save) {
            materials.bindItems(&m_doc->job().materials);
            payments.bindPayments(&m_invoice->payments);
        }
        return TabbedEditView::exchangeData(save);
    }

private:
    JobEstimateDoc* m_doc;
    JobInvoice* m_invoice;
};

JobItem item(const char* desc, double count, int64_t price, int32_t rate = 0)
{
    JobItem i;
    i.desc = desc;
    i.count = count;
    i.price = OMMoney(price);
    i.rate = rate;
    return i;
}

class GridTabs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
    }

    void open(bool vat = false)
    {
        SettingsStore::set(SettingKeys::IsVATRegistered, vat ? 1 : 0);
        view = std::make_unique<GridView>(&doc, &invoice);
        view->resize(700, 400);
        view->show();
        QApplication::processEvents();
        doc.setModified(false);
    }
    void select(int tab)
    {
        view->selectTab(tab);
        QApplication::processEvents();
    }
    ItemGrid& grid() { return *view->materials.grid(); }
    // Keys go where a user's would: into the open cell editor, else the grid.
    QWidget* target(ItemGrid& g) { return g.cellEditor() ? g.cellEditor() : &g; }
    void type(ItemGrid& g, const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(target(g), c.toLatin1());
    }
    // An editor commits on Return once the event loop runs again.
    void key(ItemGrid& g, Qt::Key k, Qt::KeyboardModifiers m = {})
    {
        QTest::keyClick(target(g), k, m);
        QApplication::processEvents();
    }
    void typeCell(ItemGrid& g, int row, int column, const QString& text)
    {
        g.setFocusCell(row, column);
        type(g, text);
        key(g, Qt::Key_Return);
    }
    QStringList column(ItemGrid& g, int c)
    {
        QStringList texts;
        for (int r = 1; r < g.rowCount(); ++r)
            texts << g.text(r, c);
        return texts;
    }
    std::vector<JobItem> items(const OMList<JobItem>& list)
    {
        std::vector<JobItem> out;
        list.forEach([&](const JobItem& i) { out.push_back(i); });
        return out;
    }

    JobEstimateDoc doc;
    JobInvoice invoice;
    std::unique_ptr<GridView> view;
    MessageCapture capture;
};

} // namespace

TEST_F(GridTabs, TypingIntoTheEntryRowMakesAnItemRowAndTheRecordGetsItAtTheNextPass)
{
    open();
    EXPECT_EQ(grid().rowCount(), 2); // header and entry row
    EXPECT_EQ(grid().text(1, 2), "0.00");

    grid().setFocusCell(1, PricedItemsTab::DescColumn);
    type(grid(), "Paint");
    key(grid(), Qt::Key_Tab); // on to the unit price, editing it
    type(grid(), "3.33");
    key(grid(), Qt::Key_Tab); // the total is read-only: no editor
    EXPECT_EQ(grid().cellEditor(), nullptr);
    EXPECT_EQ(grid().rowCount(), 3);
    EXPECT_EQ(grid().text(1, 3), "3.33"); // no quantity counts as one
    EXPECT_EQ(grid().text(2, 2), "0.00"); // the new entry row
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.job().materials.isEmpty()); // not before the next pass

    typeCell(grid(), 1, PricedItemsTab::QtyColumn, "2.5");
    EXPECT_EQ(grid().text(1, 3), "8.32");
    select(2);
    const auto saved = items(doc.job().materials);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].desc, "Paint");
    EXPECT_EQ(saved[0].count.value(), 2.5);
    EXPECT_EQ(saved[0].price, OMMoney(333));

    // A row whose description is emptied leaves the record.
    select(0);
    grid().setFocusCell(1, PricedItemsTab::DescColumn);
    key(grid(), Qt::Key_F2); // edit with the text selected
    key(grid(), Qt::Key_Backspace);
    key(grid(), Qt::Key_Return);
    EXPECT_EQ(grid().text(1, PricedItemsTab::DescColumn), "");
    select(2);
    EXPECT_TRUE(doc.job().materials.isEmpty());
}

TEST_F(GridTabs, QuantitiesKeepTheirDecimalsThroughATabSwitch)
{
    const struct
    {
        const char* typed;
        const char* shown;
        double stored;
    } cases[] = {{"2", "2", 2.0},
                 {"2.5", "2.5", 2.5},
                 {"2.4", "2.4", 2.4},
                 {"0.333333", "0.333333", 0.333333},
                 {"0", "", 0.0}};
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        typeCell(grid(), 1, PricedItemsTab::DescColumn, "Line");
        typeCell(grid(), 1, PricedItemsTab::QtyColumn, c.typed);
        EXPECT_EQ(grid().text(1, 0), c.shown);
        select(2);
        ASSERT_EQ(doc.job().materials.size(), 1);
        EXPECT_EQ(items(doc.job().materials)[0].count.value(), c.stored);
        select(0); // load pass
        EXPECT_EQ(grid().text(1, 0), c.shown);
        doc.job().materials.clear();
        view->updateData(false);
    }
}

TEST_F(GridTabs, RowCommandsByTheirKeys)
{
    const auto ctrl = Qt::ControlModifier | Qt::KeypadModifier;
    const auto ctrlShift = ctrl | Qt::ShiftModifier;
    const struct
    {
        const char* name;
        int row;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QStringList descriptions;
        int focusRow;
    } cases[] = {
        {"insert", 2, Qt::Key_Plus, ctrl, {"A", "", "B", "C", ""}, 2},
        {"delete", 2, Qt::Key_Minus, ctrl, {"A", "C", ""}, 2},
        {"up", 2, Qt::Key_Minus, ctrlShift, {"B", "A", "C", ""}, 1},
        {"down", 2, Qt::Key_Plus, ctrlShift, {"A", "C", "B", ""}, 3},
        {"ordinary insert", 1, Qt::Key_Plus, Qt::ControlModifier, {"", "A", "B", "C", ""}, 1},
        {"alt down", 1, Qt::Key_Down, Qt::AltModifier, {"B", "A", "C", ""}, 2},
        {"first up", 1, Qt::Key_Minus, ctrlShift, {"A", "B", "C", ""}, 1},
        {"last item down", 3, Qt::Key_Plus, ctrlShift, {"A", "B", "C", ""}, 3},
        {"entry row delete", 4, Qt::Key_Minus, ctrl, {"A", "B", "C", ""}, 4},
        {"entry row insert", 4, Qt::Key_Plus, ctrl, {"A", "B", "C", ""}, 4},
        {"entry row up", 4, Qt::Key_Minus, ctrlShift, {"A", "B", "C", ""}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.job().materials.clear();
        for (const char* d : {"A", "B", "C"})
            doc.job().materials.add(item(d, 1, 100));
        open();
        grid().setFocusCell(c.row, PricedItemsTab::DescColumn);
        key(grid(), c.key, c.mods);
        EXPECT_EQ(column(grid(), PricedItemsTab::DescColumn), c.descriptions);
        EXPECT_EQ(grid().focusRow(), c.focusRow);
        EXPECT_EQ(doc.isModified(), c.descriptions != QStringList({"A", "B", "C", ""}));
    }
    // An inserted row gets the entry row's defaults.
    EXPECT_EQ(grid().text(4, 2), "0.00");
    grid().setFocusCell(2, 0);
    key(grid(), Qt::Key_Plus, ctrl);
    EXPECT_EQ(grid().text(2, 2), "0.00");
    EXPECT_TRUE(grid().isReadOnly(2, 3));

    // A key typed while a cell is being edited ends the edit first.
    grid().setFocusCell(1, PricedItemsTab::DescColumn);
    type(grid(), "X");
    ASSERT_NE(grid().cellEditor(), nullptr);
    key(grid(), Qt::Key_Minus, ctrl);
    EXPECT_EQ(column(grid(), PricedItemsTab::DescColumn), QStringList({"", "B", "C", ""}));
}

TEST_F(GridTabs, TabLeavesTheGridOnlyAtItsEnds)
{
    QWidget page;
    auto* before = new QLineEdit(&page);
    auto* g = new ItemGrid(&page);
    auto* after = new QLineEdit(&page);
    auto* layout = new QVBoxLayout(&page);
    for (QWidget* w :
         {static_cast<QWidget*>(before), static_cast<QWidget*>(g), static_cast<QWidget*>(after)})
        layout->addWidget(w);
    {
        ItemGrid::Fill fill(*g, 2);
        g->appendRow();
        g->appendRow();
    }
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));

    const struct
    {
        int row, column;
        bool editing;
        Qt::KeyboardModifiers mods;
        QWidget* focus;
    } cases[] = {
        {2, 1, false, {}, after},
        {2, 1, true, {}, after},
        {1, 0, false, Qt::ShiftModifier, before},
        {1, 0, true, Qt::ShiftModifier, before},
        {1, 1, false, {}, g},
        {2, 0, false, Qt::ShiftModifier, g},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column << " " << c.editing);
        g->setFocus();
        g->setFocusCell(c.row, c.column);
        if (c.editing)
            type(*g, "x");
        // Shift+Tab arrives as Backtab.
        QTest::keyClick(QApplication::focusWidget(), c.mods ? Qt::Key_Backtab : Qt::Key_Tab,
                        c.mods);
        EXPECT_EQ(QApplication::focusWidget() == g->cellEditor() ? g : QApplication::focusWidget(),
                  c.focus);
        EXPECT_EQ(g->selectionModel()->hasSelection(), c.focus == g);
        g->endEdit();
    }
    EXPECT_EQ(g->text(2, 1), "x");
}

TEST_F(GridTabs, TheVatColumnIsShownOnlyWhenRegisteredAndRatesAreNeverLost)
{
    const struct
    {
        bool vat;
        QStringList headers;
        int32_t newRowRate;
    } cases[] = {
        {false, {"Qty", "Description", "Unit Price £", "Total £"}, 0},
        {true, {"Qty", "Description", "Unit Price £", "VAT %", "Total £"}, 2000},
    };
    SettingsStore::set(SettingKeys::CurrencySymbol, "£");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vat);
        doc.job().materials.clear();
        JobItem kept = item("Kept", 1, 100, 500);
        kept.cost = OMMoney(42);
        doc.job().materials.add(kept);
        open(c.vat);
        QStringList headers;
        for (int col = 0; col < grid().columnCount(); ++col)
            headers << grid().gridModel()->headerData(col, Qt::Horizontal).toString();
        EXPECT_EQ(headers, c.headers);
        if (c.vat) {
            EXPECT_EQ(grid().text(2, PricedItemsTab::VatColumn), "20");
        }

        typeCell(grid(), 2, PricedItemsTab::DescColumn, "New");
        select(2);
        const auto saved = items(doc.job().materials);
        ASSERT_EQ(saved.size(), 2u);
        EXPECT_EQ(saved[0].rate, Percentage(500));
        EXPECT_EQ(saved[0].cost, OMMoney(42));
        EXPECT_EQ(saved[1].rate, Percentage(c.newRowRate));
    }
}

TEST_F(GridTabs, PaymentsRewriteDatesAndKeepRowsWithAnAmountOrDate)
{
    SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
    open();
    select(1);
    ItemGrid& g = *view->payments.grid();
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.text(1, 2), "0.00");

    // Date, description, amount; blank cells are left alone.
    const struct
    {
        const char *date, *desc, *amount;
        const char *shownDate, *shownAmount;
    } rows[] = {
        {"1.2.2024", "Cash", "10", "01/02/2024", "10.00"},
        {"", "", "5", "", "5.00"},                    // kept, no description
        {"03/02/2024", "", "", "03/02/2024", "0.00"}, // kept, date only
    };
    for (const auto& r : rows) {
        const int row = g.rowCount() - 1;
        for (auto [col, text] : {std::pair{0, r.date}, {1, r.desc}, {2, r.amount}})
            if (*text)
                typeCell(g, row, col, text);
        EXPECT_EQ(g.text(row, 0), r.shownDate);
        EXPECT_EQ(g.text(row, 2), r.shownAmount);
    }
    QApplication::processEvents();
    EXPECT_TRUE(capture.texts.empty());
    EXPECT_EQ(g.rowCount(), 5); // three payments and the entry row

    select(0);
    const auto saved = items(invoice.payments);
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].date, OMDate(1, 2, 2024, true));
    EXPECT_EQ(saved[0].price, OMMoney(1000));
    EXPECT_EQ(saved[1].desc, "");
    EXPECT_EQ(saved[1].price, OMMoney(500));
    EXPECT_EQ(saved[2].date, OMDate(3, 2, 2024, true));
}

// A figure is read exactly or refused in its cell: the editor stays open on
// what was typed, marked, with the focus; the cell keeps its old text; a
// save pass stops there; Escape gives the old text back.
TEST_F(GridTabs, CellsTakeOnlyWhatReadsExactlyAndWithinTheBound)
{
    SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
    doc.job().materials.add(item("Pipe", 2, 10000));
    open();
    const int qty = PricedItemsTab::QtyColumn, price = PricedItemsTab::PriceColumn;
    const struct
    {
        int tab, column;
        const char* typed;
        const char* shown;   // the cell's text once taken; null: refused
        const char* message; // a part of the refusal's message
    } cases[] = {
        {0, qty, "1,5", "1.5", nullptr},
        {0, price, "1,5", "1.50", nullptr},
        {0, price, "1,500", "1,500.00", nullptr},
        {0, qty, "1.2.3", nullptr, "is not a number"},
        {0, qty, "2abc", nullptr, "is not a number"},
        {0, price, "12.345", nullptr, "more than 2 decimals"},
        // More than 10^10 of 100.00 would pass 10^12.
        {0, qty, "10000000001", nullptr, "total past 1,000,000,000,000.00"},
        {0, price, "999999999999", nullptr, "total past"},
        {0, qty, "1000000001", nullptr, "total past"}, // more than a count holds
        {1, PaymentsTab::AmountColumn, "1000000000001", nullptr, "total past"},
        {1, PaymentsTab::DateColumn, "31/02/2026", nullptr, "is not a valid date"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        select(c.tab);
        ItemGrid& g = c.tab == 0 ? grid() : *view->payments.grid();
        const int row = 1;
        if (c.tab == 0)
            typeCell(g, row, price, "100");
        const QString before = g.text(row, c.column);
        capture.texts.clear();
        typeCell(g, row, c.column, c.typed);
        if (c.shown) {
            EXPECT_EQ(g.text(row, c.column), c.shown);
            EXPECT_EQ(g.cellEditor(), nullptr);
            EXPECT_TRUE(capture.texts.empty());
            continue;
        }
        QLineEdit* editor = qobject_cast<QLineEdit*>(g.cellEditor());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), c.typed);
        EXPECT_EQ(g.text(row, c.column), before);
        ASSERT_EQ(capture.texts.size(), 1u);
        EXPECT_NE(capture.texts[0].find(c.message), std::string::npos) << capture.texts[0];
        EXPECT_EQ(editor->toolTip().toStdString(), capture.texts[0]);
        EXPECT_EQ(QApplication::focusWidget(), editor);
        // Tab does not leave it either, and a save pass stops at it.
        key(g, Qt::Key_Tab);
        EXPECT_EQ(g.cellEditor(), editor);
        capture.texts.clear();
        EXPECT_FALSE(view->updateData(true));
        EXPECT_EQ(capture.texts.size(), 1u);
        EXPECT_EQ(g.cellEditor(), editor);
        key(g, Qt::Key_Escape);
        EXPECT_EQ(g.cellEditor(), nullptr);
        EXPECT_EQ(g.text(row, c.column), before);
        EXPECT_TRUE(view->updateData(true));
    }
    const auto saved = items(doc.job().materials);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].count.value(), 1.5);
    EXPECT_EQ(saved[0].price, OMMoney(10000));
    EXPECT_TRUE(items(invoice.payments).empty());
}

// A pasted text longer than a line edit's usual 32,767 characters is kept
// whole, and the figures' columns stay in sight.
TEST_F(GridTabs, ALongPastedTextIsKeptWholeAndTheFiguresStayInSight)
{
    open();
    const QString text = QString(u'x').repeated(40000) + QStringLiteral(" end");
    grid().setFocusCell(1, PricedItemsTab::DescColumn);
    key(grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid().cellEditor());
    ASSERT_NE(editor, nullptr);
    editor->insert(text);
    key(grid(), Qt::Key_Return);
    EXPECT_EQ(grid().text(1, PricedItemsTab::DescColumn), text);
    const int total = view->materials.totalColumn();
    EXPECT_LE(grid().columnViewportPosition(total) + grid().columnWidth(total),
              grid().viewport()->width());
    select(2);
    const auto saved = items(doc.job().materials);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].desc.toQString(), text);
}

// A cell is read when its editor commits; the save pass copies the rows as
// they were committed, wherever they have moved, and reads no text again.
TEST_F(GridTabs, TheSavePassTakesTheRowsAsCommitted)
{
    SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
    JobItem fine = item("Fine screws", 0.1234567, 350);
    fine.cost = OMMoney(42);
    doc.job().materials.add(fine);
    doc.job().materials.add(item("Nails", 2, 100));
    open();
    grid().setFocusCell(1, PricedItemsTab::DescColumn);
    key(grid(), Qt::Key_Down, Qt::AltModifier); // row 1 moves below "Nails"
    typeCell(grid(), 1, PricedItemsTab::PriceColumn, "1.5");
    select(1);
    ItemGrid& payments = *view->payments.grid();
    typeCell(payments, 1, PaymentsTab::DateColumn, "03/04/2024");
    SettingsStore::set(SettingKeys::DateFormat, "MM/DD/YYYY");
    select(2);

    const auto saved = items(doc.job().materials);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].desc, "Nails");
    EXPECT_EQ(saved[0].price, OMMoney(150));
    EXPECT_EQ(saved[1].desc, "Fine screws");
    EXPECT_EQ(saved[1].count.value(), 0.1234567); // shown as 0.123457, never typed over
    EXPECT_EQ(saved[1].cost, OMMoney(42));
    ASSERT_EQ(invoice.payments.size(), 1);
    EXPECT_EQ(items(invoice.payments)[0].date, OMDate(3, 4, 2024, true));
}

TEST_F(GridTabs, LookingThroughTheGridsChangesNothing)
{
    doc.job().materials.add(item("Timber", 2.5, 1999));
    doc.job().materials.add(item("Nails", 0, 350));
    JobItem payment = item("Cash", 0, 1000);
    payment.date = OMDate(5, 3, 2024, true);
    invoice.payments.add(payment);
    const auto materials = items(doc.job().materials);
    open();
    grid().setFocusCell(1, 1);
    key(grid(), Qt::Key_F2); // open an editor and leave it unchanged
    key(grid(), Qt::Key_Return);
    for (int tab : {1, 2, 0, 2})
        select(tab);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(items(doc.job().materials), materials);
    EXPECT_EQ(items(invoice.payments)[0].date, payment.date);

    // What a screen reader is given.
    EXPECT_FALSE(grid().accessibleName().isEmpty());
    EXPECT_EQ(grid().gridModel()->headerData(1, Qt::Horizontal, Qt::AccessibleTextRole),
              "Description");
}

TEST_F(GridTabs, TheDescriptionColumnTakesTheRestOfTheWidth)
{
    open();
    select(0);
    auto sum = [&] {
        int total = 0;
        for (int c = 0; c < grid().columnCount(); ++c)
            total += grid().columnWidth(c);
        return total;
    };
    const int price = grid().columnWidth(2);
    EXPECT_EQ(sum(), grid().viewport()->width());
    view->resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(sum(), grid().viewport()->width());
    EXPECT_EQ(grid().columnWidth(2), price);

    // A price wider than the sample widens its column.
    typeCell(grid(), 1, PricedItemsTab::DescColumn, "Item");
    typeCell(grid(), 1, PricedItemsTab::PriceColumn, "123456789");
    EXPECT_GT(grid().columnWidth(2), price);
}
