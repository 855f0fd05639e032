#include "UserTyping.h"
#include "documents/DocumentTemplates.h"
#include "documents/JobEstimateDoc.h"
#include "print/TextStyles.h"
#include "print/layout/GPage.h"
#include "records/JobEstimate.h"
#include "settings/NumberEntry.h"
#include "settings/SettingsStore.h"
#include "support/MessageCapture.h"
#include "views/ColourLabel.h"
#include "views/FilteredLineEdit.h"
#include "views/ItemGrid.h"
#include "views/JobEstimateEditView.h"
#include "views/TabStrip.h"
#include "views/TotalsStrip.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace UserTyping;

namespace {

class JobEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        templates.registerJobTemplates();
        styles.loadStyles();
    }

    void openExample()
    {
        doc = std::unique_ptr<JobDoc>(static_cast<JobDoc*>(
            templates.openDocumentFile(example("estimate-1017-bathroom-refit.vle")).release()));
        ASSERT_NE(doc, nullptr);
    }
    void newEstimate()
    {
        doc = std::make_unique<JobEstimateDoc>();
        ASSERT_TRUE(doc->onNewDocument());
    }
    void makeView()
    {
        view = std::make_unique<JobEstimateEditView>(doc.get(), styles);
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
    Job& job() { return doc->job(); }
    QString pageText() { return view->preview().printed().page().pageText(0).join('\n'); }

    DocumentTemplates templates;
    TextStyles styles;
    MessageCapture capture;
    std::unique_ptr<JobDoc> doc;
    std::unique_ptr<JobEstimateEditView> view;
};

} // namespace

TEST_F(JobEditing, LookingThroughEveryTabLeavesTheDocumentAsItWas)
{
    openExample();
    const ombrel::OMMoney total = job().jobTotal(FigureInputs::current());
    job().hoursWork = 0.333333;
    makeView();
    for (int i = 0; i < view->tabCount(); ++i) {
        view->nextTab();
        view->previousTab();
        view->nextTab();
        EXPECT_FALSE(doc->isModified()) << "after tab " << view->currentIndex();
    }
    EXPECT_TRUE(view->isPreviewCurrent());
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(job().hoursWork.value(), 0.333333);
    job().hoursWork = 26.0;
    EXPECT_EQ(job().jobTotal(FigureInputs::current()), total);
    EXPECT_TRUE(capture.texts.empty());
}

TEST_F(JobEditing, AnUnrelatedEditKeepsEveryDecimal)
{
    openExample();
    job().hoursWork = 0.333333;
    job().distance = 18.375;
    makeView();
    LabourTab& labour = view->labour();
    TravelTab& travel = view->travel();
    EXPECT_EQ(labour.workEdit()->text(), "0.333333");
    EXPECT_EQ(labour.adminEdit()->text(), "1.00");
    EXPECT_EQ(labour.rateEdit()->text(), "38.50");
    EXPECT_EQ(travel.distanceEdit()->text(), "18.375");

    select(labour);
    type(labour.adminEdit(), "2.5");
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(job().hoursAdmin.value(), 1.0); // the record follows at the next pass
    select(travel);
    EXPECT_EQ(job().hoursAdmin.value(), 2.5);
    EXPECT_EQ(job().hoursWork.value(), 0.333333);
    EXPECT_EQ(job().distance.value(), 18.375);

    // A distance is typed with its decimals; letters never get in.
    type(travel.distanceEdit(), "2x2.75");
    EXPECT_EQ(travel.distanceEdit()->text(), "22.75");
    view->nextTab();
    EXPECT_EQ(job().distance.value(), 22.75);
    EXPECT_EQ(job().hourlyRate, ombrel::OMMoney(3850));
}

TEST_F(JobEditing, DaysOnSiteFollowTheLabourHoursAndTheSetting)
{
    struct Case
    {
        int dailyHours;
        const char* work;
        const char* inspection;
        const char* days;
    } cases[] = {
        {700, "10", "4", "2 "},    {700, "10.5", "4", "3 "}, {700, "", "", "0 "},
        {800, "16", "0.01", "3 "}, {0, "10", "4", "0 "},     {-100, "10", "4", "0 "},
    };
    for (const Case& c : cases) {
        SettingsStore::set(SettingKeys::DailyWorkingHours, c.dailyHours);
        newEstimate();
        makeView();
        select(view->labour());
        type(view->labour().workEdit(), c.work);
        type(view->labour().inspectionEdit(), c.inspection);
        select(view->travel());
        EXPECT_EQ(view->travel().daysDisplay()->text(), c.days) << c.dailyHours << " " << c.work;
        // A screen reader reads the figure, with the caption that names it.
        QAccessibleInterface* days =
            QAccessible::queryAccessibleInterface(view->travel().daysDisplay());
        EXPECT_EQ(days->text(QAccessible::Name).trimmed(), QString(c.days).trimmed());
        const auto captions = days->relations(QAccessible::Label);
        ASSERT_EQ(captions.size(), 1);
        EXPECT_EQ(captions[0].first->text(QAccessible::Name), "Number of days on site:");
        // The record works the same figure out for its costs.
        EXPECT_EQ(job().effectiveDaysOnSite(FigureInputs::current()),
                  QString(c.days).trimmed().toUInt());
        view.reset();
    }
}

TEST_F(JobEditing, TravelBoxesEnableTheirFieldsAndKeepTheirValues)
{
    openExample();
    makeView();
    TravelTab& travel = view->travel();
    select(travel);
    EXPECT_FALSE(travel.daysEdit()->isEnabled());
    EXPECT_EQ(travel.daysDisplay()->text(), "4 "); // 27.5 hours at 7 a day

    // Specifying the days shows the typed number at once.
    travel.specifyDaysBox()->click();
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(travel.daysEdit()->isEnabled());
    QTest::keyClicks(travel.daysEdit(), "6a");
    EXPECT_EQ(travel.daysDisplay()->text(), "6 ");

    travel.chargeTimeBox()->click();
    travel.chargeDistanceBox()->click();
    for (QLineEdit* edit : {static_cast<QLineEdit*>(travel.tripTimeEdit()),
                            static_cast<QLineEdit*>(travel.distanceEdit()),
                            static_cast<QLineEdit*>(travel.costEdit())}) {
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_FALSE(edit->text().isEmpty());
    }
    select(view->preview());
    EXPECT_EQ(job().daysOnSite.value(), 6u);
    EXPECT_FALSE(job().chargeTravelTime);
    EXPECT_FALSE(job().chargeTravelDistance);
    EXPECT_EQ(job().hoursTravel.value(), 0.75);
    EXPECT_EQ(job().costPerMile, ombrel::OMMoney(45));
    EXPECT_EQ(job().travelCost(FigureInputs::current()), ombrel::OMMoney(0));

    // Unticking the days again gives the worked-out figure and stores 0.
    select(travel);
    travel.specifyDaysBox()->click();
    EXPECT_EQ(travel.daysDisplay()->text(), "4 ");
    select(view->preview());
    EXPECT_EQ(job().daysOnSite.value(), 0u);
}

TEST_F(JobEditing, OtherHourlyChargesAreTypedIntoTheLabourGrid)
{
    newEstimate();
    JobItem kept;
    kept.countDefaultsToOne = false;
    kept.desc = "Apprentice";
    kept.count = 0.333333;
    kept.price = 1000;
    kept.rate = 500;
    job().hoursItems.add(kept);
    makeView();
    select(view->labour());
    ItemGrid& grid = *view->labour().grid();
    ASSERT_EQ(grid.rowCount(), 3); // header, the item, the entry row
    EXPECT_EQ(grid.text(1, 1), "0.333333");
    EXPECT_EQ(grid.text(1, 3), "3.33");
    EXPECT_FALSE(doc->isModified());

    // Hours or a rate alone do not make the entry row an item.
    typeCell(grid, 2, 2, "20");
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.text(2, 2), "20.00");
    EXPECT_EQ(grid.text(2, 3), "0.00");
    typeCell(grid, 2, 0, "Skilled labour");
    EXPECT_EQ(grid.rowCount(), 4);
    typeCell(grid, 2, 1, "2.5");
    EXPECT_EQ(grid.text(2, 1), "2.50");
    EXPECT_EQ(grid.text(2, 3), "50.00");
    EXPECT_EQ(grid.text(3, 2), "0.00");
    EXPECT_TRUE(doc->isModified());

    select(view->preview());
    std::vector<JobItem> items;
    job().hoursItems.forEach([&](const JobItem& item) { items.push_back(item); });
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].count.value(), 0.333333);
    EXPECT_EQ(items[0].rate.value(), 500); // what the grid does not show stays
    EXPECT_EQ(items[1].desc, "Skilled labour");
    EXPECT_FALSE(items[1].countDefaultsToOne);
    EXPECT_EQ(job().hoursItemsTotal(), ombrel::OMMoney(333 + 5000));
    EXPECT_EQ(job().labourTotal(), job().labourHoursCost() + ombrel::OMMoney(5333));
    view->toggleSection(PageSection::Labour);
    EXPECT_TRUE(pageText().contains("Skilled labour"));

    // A row whose description is emptied leaves the record.
    select(view->labour());
    grid.setFocusCell(1, 0);
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClick(grid.cellEditor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid.cellEditor(), Qt::Key_Delete);
    QTest::keyClick(grid.cellEditor(), Qt::Key_Return);
    QApplication::processEvents();
    select(view->preview());
    EXPECT_EQ(job().hoursItems.size(), 1);
}

TEST_F(JobEditing, TheTabShownOwnsTheKeyboardWhicheverWayItWasChosen)
{
    newEstimate();
    makeView();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    const auto focusIsInShownTab = [this] {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus->isVisible() &&
               (focus == view->currentTab() || view->currentTab()->isAncestorOf(focus));
    };
    const auto anEditorIsOpen = [this] {
        for (ItemGrid* grid : view->findChildren<ItemGrid*>())
            if (grid->cellEditor())
                return true;
        return false;
    };
    // Every pair by mouse, neighbours also by the keys' commands.
    for (int from = 0; from < view->tabCount(); ++from)
        for (int to = 0; to < view->tabCount(); ++to)
            for (const bool byKeys : {false, true}) {
                if (to == from || (byKeys && std::abs(to - from) != 1))
                    continue;
                view->selectTab(from);
                ASSERT_TRUE(focusIsInShownTab()) << from;
                // A cell left with its editor open, or closed with Escape.
                if (ItemGrid* grid = view->currentTab()->findChild<ItemGrid*>()) {
                    grid->setFocus();
                    grid->setFocusCell(grid->rowCount() - 1, 0);
                    QTest::keyClick(grid, Qt::Key_2);
                    ASSERT_TRUE(grid->cellEditor());
                    if (byKeys)
                        QTest::keyClick(grid->cellEditor(), Qt::Key_Escape);
                }
                if (byKeys)
                    to > from ? view->nextTab() : view->previousTab();
                else
                    QTest::mouseClick(view->strip(), Qt::LeftButton, {},
                                      view->strip()->tabRect(to).center());
                ASSERT_EQ(view->currentIndex(), to);
                EXPECT_TRUE(focusIsInShownTab()) << from << " to " << to << " keys " << byKeys;
                EXPECT_FALSE(anEditorIsOpen()) << from << " to " << to;
            }

    // What the user types after arriving goes into the tab they see.
    select(view->hire());
    ItemGrid& hire = *view->hire().grid();
    const int hireRows = hire.rowCount();
    hire.setFocusCell(1, 1);
    QTest::keyClick(&hire, Qt::Key_Escape);
    QTest::mouseClick(view->strip(), Qt::LeftButton, {},
                      view->strip()->tabRect(view->tabCount() - 1).center());
    QTest::keyClicks(QApplication::focusWidget(), "MOUSE");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(hire.rowCount(), hireRows);

    // A field arrived at has its text selected: typing replaces "0.00".
    select(view->labour());
    FilteredLineEdit* first = qobject_cast<FilteredLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(first);
    QTest::keyClicks(first, "999");
    EXPECT_EQ(first->text(), "999");
}

TEST_F(JobEditing, TheTotalsFollowTheLabourFieldsAndTheGrids)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    SettingsStore::set(SettingKeys::CurrencySymbol, "£");
    newEstimate();
    makeView();
    const TotalsStrip& strip = *view->totalsStrip();
    select(view->labour());
    ASSERT_FALSE(strip.isHidden());
    type(view->labour().rateEdit(), "40");
    type(view->labour().workEdit(), "3");
    QTest::keyClick(view->labour().workEdit(), Qt::Key_Return); // the field is left
    EXPECT_EQ(strip.text(), "Labour: £120.00; Job total: £120.00; VAT: £24.00; "
                            "Total including VAT: £144.00");

    // A material at the standard rate, typed into the grid.
    select(view->materials());
    ItemGrid& grid = *view->materials().grid();
    typeCell(grid, 1, PricedItemsTab::DescColumn, "Cooker switch");
    typeCell(grid, 1, PricedItemsTab::PriceColumn, "100");
    EXPECT_EQ(strip.text(), "Materials: £100.00; Job total: £220.00; VAT: £44.00; "
                            "Total including VAT: £264.00");
    EXPECT_EQ(strip.accessibleDescription(), strip.text());
    // The printed page carries the same total including VAT.
    select(view->preview());
    EXPECT_TRUE(pageText().contains("264.00"));
    EXPECT_TRUE(capture.texts.empty());
}

TEST_F(JobEditing, LabourFieldsTakeOnlyWhatReadsExactlyAndWithinTheBound)
{
    newEstimate();
    makeView();
    select(view->labour());
    LabourTab& labour = view->labour();
    FilteredLineEdit* work = labour.workEdit();
    FilteredLineEdit* rate = labour.rateEdit();
    type(rate, "40");
    QTest::keyClick(rate, Qt::Key_Return);
    const struct
    {
        FilteredLineEdit* field;
        const char* typed;
        const char* shown;   // once the field is left; null: refused
        const char* message; // a part of the refusal's message
    } cases[] = {
        {work, "1.5", "1.50", nullptr},
        {work, "", "0.00", nullptr},
        {rate, "38.5", "38.50", nullptr},
        {work, "1.2.3", nullptr, "is not a number"},
        {work, "0.1234567", nullptr, "decimals"},
        {rate, "12.345", nullptr, "decimals"},
        // 38.50 an hour for more than 2.6 x 10^10 hours passes 10^12.
        {work, "26000000000", nullptr, "total past 1,000,000,000,000.00"},
        {rate, "1000000000000", nullptr, "total past"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        work->setFocus();
        type(work, "2");
        QTest::keyClick(work, Qt::Key_Return);
        capture.texts.clear();
        c.field->setFocus();
        type(c.field, c.typed);
        QTest::keyClick(c.field, Qt::Key_Return);
        if (c.shown) {
            EXPECT_EQ(c.field->text(), c.shown);
            EXPECT_TRUE(capture.texts.empty());
            EXPECT_TRUE(view->updateData(true));
            continue;
        }
        EXPECT_EQ(c.field->text(), c.typed);
        ASSERT_EQ(capture.texts.size(), 1u);
        EXPECT_NE(capture.texts[0].find(c.message), std::string::npos) << capture.texts[0];
        EXPECT_EQ(QApplication::focusWidget(), c.field);
        // The figures never took it, and a save pass stops at it.
        EXPECT_TRUE(NumberEntry::withinBound(job().labourTotal().value()));
        capture.texts.clear();
        EXPECT_FALSE(view->updateData(true));
        EXPECT_EQ(capture.texts.size(), 1u);
        EXPECT_EQ(QApplication::focusWidget(), c.field);
        type(c.field, "1");
    }
    EXPECT_TRUE(view->updateData(true));
}
