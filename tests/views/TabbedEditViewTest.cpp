#include "views/TabbedEditView.h"
#include "documents/JobEstimateDoc.h"
#include "documents/UpdateHint.h"
#include "support/MessageCapture.h"
#include "views/EditTab.h"
#include "views/TabStrip.h"

#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A tab with one text field and one whole-number field, counting its passes.
class CountingTab : public EditTab
{
public:
    CountingTab() : text(new QLineEdit(this)), number(new QLineEdit(this)) { watchEdit(text); }
    void activate() override { ++activations; }
    void onDocumentUpdate(DocumentView*, UpdateHint hint) override { hints.push_back(hint); }

    QLineEdit* text;
    QLineEdit* number;
    ombrel::OMString textField = "loaded";
    uint32_t numberField = 7;
    int loads = 0, saves = 0, activations = 0;
    std::vector<int> hints;

protected:
    void exchangeData(DataExchange& dx) override
    {
        ++(dx.isSaving() ? saves : loads);
        dx.text(text, textField);
        dx.number(number, numberField);
    }
};

class TestView : public TabbedEditView
{
public:
    explicit TestView(Document* doc) : TabbedEditView(doc)
    {
        for (auto& tab : tabs)
            addTab(2057, &tab);
        onInitialUpdate();
    }
    CountingTab tabs[3];
};

class TabbedView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        view = std::make_unique<TestView>(&doc);
        view->resize(600, 400);
        view->show();
    }
    void TearDown() override { view.reset(); }

    JobEstimateDoc doc;
    std::unique_ptr<TestView> view;
    MessageCapture capture;
    std::vector<std::string>& messages = capture.texts;
};

} // namespace

TEST_F(TabbedView, TheFirstPassFillsEveryTabAndShowsTheFirst)
{
    EXPECT_EQ(view->tabCount(), 3);
    EXPECT_EQ(view->currentIndex(), 0);
    EXPECT_EQ(view->strip()->count(), 3);
    for (auto& tab : view->tabs) {
        EXPECT_EQ(tab.text->text(), "loaded");
        EXPECT_EQ(tab.number->text(), "7");
        EXPECT_EQ(tab.hints, std::vector<int>{InitialUpdate});
    }
    EXPECT_TRUE(view->tabs[0].isVisible());
    EXPECT_FALSE(view->tabs[1].isVisible());
    EXPECT_EQ(view->tabs[0].activations, 1);
    // Filling the controls is not an edit.
    EXPECT_FALSE(doc.isModified());
}

TEST_F(TabbedView, SwitchingRunsASavePassButTheSameTabDoesNothing)
{
    const int saves = view->tabs[0].saves;
    view->selectTab(0);
    QTest::mouseClick(view->strip(), Qt::LeftButton, {}, view->strip()->tabRect(0).center());
    EXPECT_EQ(view->tabs[0].saves, saves);

    view->tabs[0].text->setText("typed");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(view->tabs[0].textField, "loaded"); // not before the next pass
    QTest::mouseClick(view->strip(), Qt::LeftButton, {}, view->strip()->tabRect(2).center());
    EXPECT_EQ(view->currentIndex(), 2);
    EXPECT_EQ(view->tabs[0].textField, "typed");
    EXPECT_EQ(view->tabs[2].activations, 1);
    EXPECT_TRUE(view->tabs[2].isVisible());
    EXPECT_FALSE(view->tabs[0].isVisible());
}

TEST_F(TabbedView, NextAndPreviousStopAtTheEnds)
{
    view->previousTab();
    EXPECT_EQ(view->currentIndex(), 0);
    view->nextTab();
    view->nextTab();
    EXPECT_EQ(view->currentIndex(), 2);
    EXPECT_TRUE(view->isPreviewCurrent());
    const int saves = view->tabs[0].saves;
    view->nextTab();
    EXPECT_EQ(view->currentIndex(), 2);
    EXPECT_EQ(view->tabs[0].saves, saves);
    view->previousTab();
    EXPECT_EQ(view->currentIndex(), 1);
}

TEST_F(TabbedView, AnUnreadableNumberStopsThePass)
{
    view->tabs[0].number->setText("12a");
    view->tabs[1].text->setText("second");
    view->tabs[0].text->setText("first");
    EXPECT_FALSE(view->updateData(true));
    EXPECT_EQ(messages, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(view->tabs[0].textField, "first"); // bound before the number
    EXPECT_EQ(view->tabs[0].numberField, 7u);
    EXPECT_EQ(view->tabs[1].textField, "loaded"); // the pass ended before it
    EXPECT_TRUE(view->tabs[0].number->hasFocus() || !QApplication::focusWindow());

    // The switch still goes ahead; an empty field is no number either.
    view->tabs[0].number->setText("");
    view->selectTab(1);
    EXPECT_EQ(view->currentIndex(), 1);
    EXPECT_EQ(messages.size(), 2u);
    view->tabs[0].number->setText("42");
    EXPECT_TRUE(view->updateData(true));
    EXPECT_EQ(view->tabs[0].numberField, 42u);
    EXPECT_EQ(view->tabs[1].textField, "second");
}

TEST_F(TabbedView, HintsFromTheDocument)
{
    view->tabs[1].text->setText("edited");
    doc.updateAllViews(nullptr, BeforeSave);
    EXPECT_EQ(view->tabs[1].textField, "edited");
    view->tabs[1].textField = "normalised";
    doc.updateAllViews(nullptr, AfterSave);
    EXPECT_EQ(view->tabs[1].text->text(), "normalised");
    doc.updateAllViews(nullptr, SettingsChanged);
    EXPECT_EQ(view->tabs[2].hints, (std::vector<int>{InitialUpdate, SettingsChanged}));
}

TEST_F(TabbedView, EnterAndEscapeDoNothingInATab)
{
    view->tabs[0].text->setFocus();
    QTest::keyClick(view->tabs[0].text, Qt::Key_Return);
    QTest::keyClick(view->tabs[0].text, Qt::Key_Escape);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->tabs[0].isVisible());
    EXPECT_EQ(view->tabs[0].text->text(), "loaded");
}

TEST_F(TabbedView, AFieldThatCannotBeReadStopsTheSaveWithItsTabForward)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.vle"));
    view->tabs[0].text->setText("typed");
    view->tabs[2].number->setText("abc");
    ASSERT_EQ(view->currentIndex(), 0);

    EXPECT_FALSE(doc.saveAs(path));
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written";
    EXPECT_EQ(messages, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(view->currentIndex(), 2);
    EXPECT_EQ(view->window()->focusWidget(), view->tabs[2].number);
    // What was typed stays on screen for the user to mend.
    EXPECT_EQ(view->tabs[2].number->text(), "abc");
    EXPECT_EQ(view->tabs[0].text->text(), "typed");

    view->tabs[2].number->setText("3");
    EXPECT_TRUE(doc.saveAs(path));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(messages.size(), 1u);
}
