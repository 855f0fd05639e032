#include "WindowFixture.h"

#include "app/CommandIds.h"
#include "app/ExportCommands.h"
#include "documents/DocumentView.h"
#include "documents/JobBaseDoc.h"
#include "documents/JobFileReader.h"
#include "documents/UpdateHint.h"
#include "print/layout/GPage.h"
#include "records/JobBase.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"
#include "settings/SettingsStore.h"
#include "views/EditTab.h"
#include "views/ImportOptionsDialog.h"
#include "views/JobEstimateEditView.h"
#include "views/JobInvoiceEditView.h"
#include "views/JobQuoteEditView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

/// A view that writes down every hint it is sent.
class RecordingView : public QWidget, public DocumentView
{
public:
    explicit RecordingView(std::vector<int>* log) : m_log(log) {}
    void onUpdate(DocumentView*, UpdateHint hint) override { m_log->push_back(hint); }

private:
    std::vector<int>* m_log;
};

int nextEstimateNo()
{
    return SettingsStore::get(SettingKeys::NextEstimateNo);
}

} // namespace

using DocumentWindows = WindowTest;

TEST_F(DocumentWindows, ClosingANewUnsavedDocumentGivesItsNumberBackOnlyWhenItIsTheLast)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    trigger(CommandIds::FileNewEstimate);
    trigger(CommandIds::FileNewEstimate);
    EXPECT_EQ(frameTitles(), (QStringList{"Vorlane Start Page", "Estimate 101", "Estimate 102"}));
    EXPECT_EQ(nextEstimateNo(), 103);

    MainWindow* frame = app->mainWindow();
    frame->mdiArea()->setActiveSubWindow(frame->documentWindows().at(1));
    trigger(CommandIds::FileClose);
    QApplication::processEvents();
    EXPECT_EQ(nextEstimateNo(), 103) << "102 was taken later, so 101 is not given back";
    trigger(CommandIds::FileClose); // Estimate 102 is active now
    QApplication::processEvents();
    EXPECT_EQ(nextEstimateNo(), 102);
    EXPECT_EQ(frameTitles(), QStringList{"Vorlane Start Page"});
    EXPECT_TRUE(messages.empty()) << "an unchanged document closes without a question";

    // Leaving the program closes a new document the same way.
    trigger(CommandIds::FileNewEstimate);
    EXPECT_EQ(nextEstimateNo(), 103);
    frame->close();
    EXPECT_EQ(nextEstimateNo(), 102);
}

namespace {

/// Makes a widget refuse to close, as a view with its own objection would.
class RefuseClose : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

TEST_F(DocumentWindows, AWindowThatStaysOpenKeepsItsNumber)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    trigger(CommandIds::FileNewEstimate);
    EXPECT_EQ(nextEstimateNo(), 102);
    QWidget* view = app->mainWindow()->documentWindows().constLast()->widget();
    ASSERT_NE(view, nullptr);
    RefuseClose refuse;
    view->installEventFilter(&refuse);
    trigger(CommandIds::FileClose);
    QApplication::processEvents();
    EXPECT_EQ(frameTitles(), (QStringList{"Vorlane Start Page", "Estimate 101"}));
    EXPECT_EQ(nextEstimateNo(), 102) << "the number of a window still open stays taken";

    view->removeEventFilter(&refuse);
    trigger(CommandIds::FileClose);
    QApplication::processEvents();
    EXPECT_EQ(frameTitles(), QStringList{"Vorlane Start Page"});
    EXPECT_EQ(nextEstimateNo(), 101);
}

TEST_F(DocumentWindows, SaveIsOfferedTheMomentADocumentChanges)
{
    skipFirstRun();
    ASSERT_TRUE(start({example("quote-2043-boiler-replacement.vlq")}));
    Document& document = app->mainWindow()->documentWindows().constLast()->document();
    EXPECT_FALSE(action(CommandIds::FileSave)->isEnabled());
    // No event is processed in between: a key pressed next finds Save ready.
    document.setModified(true);
    EXPECT_TRUE(action(CommandIds::FileSave)->isEnabled());
    document.setModified(false);
    EXPECT_FALSE(action(CommandIds::FileSave)->isEnabled());
}

TEST_F(DocumentWindows, SaveAsCopiesAnyDocumentAndCascadeKeepsWorkingSizes)
{
    skipFirstRun();
    ASSERT_TRUE(start(
        {example("quote-2043-boiler-replacement.vlq"), example("invoice-3081-kitchen-leak.vli")}));
    app->mainWindow()->resize(1200, 900);
    EXPECT_FALSE(action(CommandIds::FileSave)->isEnabled());
    EXPECT_TRUE(action(CommandIds::FileSaveAs)->isEnabled());

    trigger(CommandIds::WindowCascade);
    const QSize area = app->mainWindow()->mdiArea()->viewport()->size();
    for (DocumentWindow* frame : app->mainWindow()->documentWindows()) {
        if (!frame->isVisible())
            continue;
        EXPECT_GE(frame->width(), std::min(480, area.width())) << frame->width();
        EXPECT_GE(frame->height(), std::min(360, area.height())) << frame->height();
    }

    // Edit, Layout marks the logo position in force.
    trigger(CommandIds::LogoLeft);
    EXPECT_TRUE(action(CommandIds::LogoLeft)->isChecked());
    EXPECT_FALSE(action(CommandIds::LogoCentre)->isChecked());
    trigger(CommandIds::LogoCentre);
    EXPECT_TRUE(action(CommandIds::LogoCentre)->isChecked());
    EXPECT_FALSE(action(CommandIds::LogoLeft)->isChecked());
}

TEST_F(DocumentWindows, ClosingAWindowGoesBackToTheOneUsedBeforeIt)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    for (int i = 0; i < 3; ++i)
        trigger(CommandIds::FileNewEstimate);
    MainWindow* frame = app->mainWindow();
    const QList<DocumentWindow*> frames = frame->documentWindows();
    ASSERT_EQ(frames.size(), 4);
    frame->mdiArea()->setActiveSubWindow(frames.at(1)); // Estimate 101
    frame->mdiArea()->setActiveSubWindow(frames.at(3)); // Estimate 103
    trigger(CommandIds::FileClose);
    QApplication::processEvents();
    ASSERT_NE(frame->activeDocumentWindow(), nullptr);
    EXPECT_EQ(frame->activeDocumentWindow()->document().title(), QStringLiteral("Estimate 101"));
}

TEST_F(DocumentWindows, ClosingAskesAboutChangesAndCancelKeepsTheWindow)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    trigger(CommandIds::FileNewInvoice);
    DocumentWindow* invoice = app->mainWindow()->activeDocumentWindow();
    invoice->document().setModified();

    answer = MessageHook::AnswerCancel;
    EXPECT_FALSE(app->mainWindow()->close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Save changes to Invoice 101?"));
    EXPECT_EQ(app->mainWindow()->documentWindows().size(), 2);

    // Yes saves under the chosen name; the number is then the document's for good.
    answer = MessageHook::AnswerYes;
    dialogs->saveAnswer = dir.filePath(QStringLiteral("inv.vli"));
    trigger(CommandIds::FileClose);
    QApplication::processEvents();
    EXPECT_EQ(dialogs->offeredSaveFilter, QStringLiteral("Vorlane Invoice Files (*.vli)"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("inv.vli"))));
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 102);
    EXPECT_EQ(frameTitles(), QStringList{"Vorlane Start Page"});
    EXPECT_EQ(app->recentFiles().files().value(0), dir.filePath(QStringLiteral("inv.vli")));
}

TEST_F(DocumentWindows, WhatTheCoreRefusesTheWindowSays)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    trigger(CommandIds::FileNewInvoice);
    ASSERT_EQ(frameTitles().size(), 2);

    // A failed save says why and keeps the window and its number.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.vli")));
    dialogs->saveAnswer = dir.filePath(QStringLiteral("taken.vli"));
    trigger(CommandIds::FileSave);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("File save error.\n\n")))
        << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].icon, MessageHook::Error);
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("Invoice 101"));

    // A new document whose number cannot be stored is not made.
    const QString settings =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Ombrel", "Vorlane").fileName();
    const QFile::Permissions writable = QFile::permissions(settings);
    ASSERT_TRUE(QFile::setPermissions(settings, QFile::ReadOwner));
    trigger(CommandIds::FileNewInvoice);
    QFile::setPermissions(settings, writable);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.startsWith(QStringLiteral("No new invoice was made")))
        << messages[1].text.toStdString();
    EXPECT_EQ(messages[1].icon, MessageHook::Error);
    EXPECT_EQ(frameTitles().size(), 2);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 102);
}

TEST_F(DocumentWindows, TheStartPageCannotBeClosedByTheUserButGoesWithTheProgram)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    DocumentWindow* startPage = app->mainWindow()->activeDocumentWindow();
    ASSERT_NE(startPage, nullptr);
    EXPECT_FALSE(startPage->close());
    trigger(CommandIds::FileClose);
    EXPECT_EQ(frameTitles(), QStringList{"Vorlane Start Page"});
    EXPECT_TRUE(app->mainWindow()->close());
    QApplication::processEvents();
    EXPECT_TRUE(app->mainWindow()->documentWindows().isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentWindows, ViewsAreAttachedThroughTheFactoryAndHearSavesAndSettings)
{
    skipFirstRun();
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    app = std::make_unique<Application>(std::move(scripted));
    std::vector<int> hints, invoiceHints;
    app->setViewFactory(130, [&hints](Document&) {
        auto* view = new RecordingView(&hints);
        return Application::ViewParts{view, view};
    });
    app->setViewFactory(131, [&invoiceHints](Document&) {
        auto* view = new RecordingView(&invoiceHints);
        return Application::ViewParts{view, view};
    });
    ASSERT_TRUE(app->start(CommandLine{}));

    trigger(CommandIds::FileNewEstimate);
    EXPECT_EQ(hints, std::vector<int>{InitialUpdate});
    trigger(CommandIds::FileNewInvoice);

    hints.clear();
    invoiceHints.clear();
    trigger(CommandIds::LogoRight);
    EXPECT_EQ(hints, std::vector<int>{SettingsChanged});
    EXPECT_EQ(invoiceHints, std::vector<int>{SettingsChanged});
    EXPECT_EQ(SettingsStore::get(SettingKeys::LogoLayout), 2);

    QTemporaryDir dir;
    dialogs->saveAnswer = dir.filePath(QStringLiteral("e.vle"));
    app->mainWindow()->mdiArea()->setActiveSubWindow(app->mainWindow()->documentWindows().at(1));
    hints.clear();
    trigger(CommandIds::FileSaveAs);
    EXPECT_EQ(hints, (std::vector<int>{BeforeSave, AfterSave}));
    EXPECT_EQ(app->mainWindow()->activeDocumentWindow()->windowTitle(), QStringLiteral("e.vle[*]"));
}

TEST_F(DocumentWindows, DocumentsOpenInTheirEditViewsWithTheirCommands)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    trigger(CommandIds::FileNewEstimate);
    auto* estimate =
        qobject_cast<JobEstimateEditView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(estimate, nullptr);
    // The View switches are offered on the Preview tab only.
    EXPECT_FALSE(estimate->isPreviewCurrent());
    EXPECT_FALSE(action(CommandIds::ViewLabour)->isEnabled());
    estimate->selectTab(estimate->tabCount() - 1);
    EXPECT_TRUE(estimate->isPreviewCurrent());
    EXPECT_TRUE(action(CommandIds::FilePrint)->isEnabled());
    EXPECT_TRUE(action(CommandIds::ViewLabour)->isEnabled());
    EXPECT_FALSE(action(CommandIds::ViewLabourBreakdown)->isEnabled());
    trigger(CommandIds::ViewLabour);
    EXPECT_TRUE(estimate->isSectionOn(PageSection::Labour));
    EXPECT_TRUE(action(CommandIds::ViewLabour)->isChecked());
    EXPECT_TRUE(action(CommandIds::ViewLabourBreakdown)->isEnabled());
    EXPECT_FALSE(action(CommandIds::ViewPayments)->isEnabled());

    ASSERT_NE(app->openDocumentFile(example("invoice-3081-kitchen-leak.vli")), nullptr);
    auto* invoice =
        qobject_cast<JobInvoiceEditView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(invoice, nullptr);
    app->mainWindow()->updateCommandStates();
    EXPECT_FALSE(action(CommandIds::ViewPayments)->isEnabled());
    invoice->selectTab(invoice->tabCount() - 1);
    EXPECT_FALSE(action(CommandIds::ViewLabour)->isEnabled());
    EXPECT_TRUE(action(CommandIds::ViewPayments)->isEnabled());
    const bool before = invoice->showPaymentDetails();
    trigger(CommandIds::ViewPayments);
    EXPECT_NE(invoice->showPaymentDetails(), before);
    EXPECT_EQ(invoice->overdueStamp(), "OVERDUE");
}

TEST_F(DocumentWindows, ImportIntoAnInvoiceAndAQuote)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    trigger(CommandIds::FileNewEstimate);
    EXPECT_FALSE(action(CommandIds::FileImport)->isEnabled());

    trigger(CommandIds::FileNewInvoice);
    app->mainWindow()->updateCommandStates();
    ASSERT_TRUE(action(CommandIds::FileImport)->isEnabled());
    auto* invoice =
        qobject_cast<JobInvoiceEditView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(invoice, nullptr);
    // Cancelling the options leaves the invoice as it was.
    dialogs->importAnswer = example("quote-2043-boiler-replacement.vlq");
    dialogs->importOptionsAnswer = false;
    trigger(CommandIds::FileImport);
    EXPECT_TRUE(dialogs->offeredImportFilter.startsWith("Estimate and Quote Files (*.vle;*.vlq)|"));
    EXPECT_TRUE(invoice->invoice().items.isEmpty());
    EXPECT_FALSE(invoice->document()->isModified());

    dialogs->importOptionsAnswer = true;
    dialogs->importOptionsChosen = {true, true};
    trigger(CommandIds::FileImport);
    EXPECT_EQ(invoice->invoice().items.size(), 4); // labour, travel, hire, materials
    EXPECT_TRUE(invoice->invoice().description.str().starts_with("For Quote 2043 - PO 88120"));
    EXPECT_TRUE(invoice->document()->isModified());
    EXPECT_TRUE(invoice->preview().printed().page().pageText(0).join('\n').contains("Labour"));
    // The import says what it did.
    EXPECT_EQ(app->mainWindow()->statusBar()->currentMessage(), "Imported Quote 2043");
    // The next import offers the choice made, and the dialog shows it.
    dialogs->importOptionsAnswer = false;
    trigger(CommandIds::FileImport);
    EXPECT_TRUE(dialogs->importOptionsOffered.materialsAsOneLine);
    EXPECT_TRUE(dialogs->importOptionsOffered.hireAsOneLine);
    for (const InvoiceImport::Options offered :
         {InvoiceImport::Options{true, false}, InvoiceImport::Options{false, true}}) {
        const InvoiceImport::Options shown = ImportOptionsDialog(offered).options();
        EXPECT_EQ(shown.materialsAsOneLine, offered.materialsAsOneLine);
        EXPECT_EQ(shown.hireAsOneLine, offered.hireAsOneLine);
    }

    trigger(CommandIds::FileNewQuote);
    app->mainWindow()->updateCommandStates();
    auto* quote =
        qobject_cast<JobQuoteEditView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(quote, nullptr);
    const unsigned number = quote->job().number;
    dialogs->importAnswer = example("estimate-1017-bathroom-refit.vle");
    trigger(CommandIds::FileImport);
    EXPECT_EQ(dialogs->offeredImportFilter, "Estimate Files (*.vle)|*.vle||");
    EXPECT_EQ(quote->job().number, number);
    EXPECT_EQ(quote->job().reference, "MRS-OKAFOR-BATH");
    EXPECT_TRUE(quote->document()->isModified());
    EXPECT_EQ(app->mainWindow()->statusBar()->currentMessage(), "Imported Estimate 1017");
}

TEST_F(DocumentWindows, DroppedAndChosenFilesOpenThroughTheSameCheck)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    emit app->mainWindow()->filesDropped(
        {example("quote-2043-boiler-replacement.vlq"), QStringLiteral("/tmp/none.vlq")});
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("quote-2043-boiler-replacement.vlq"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("The file /tmp/none.vlq is invalid.\n\nIt was not found."));

    dialogs->openAnswer = example("invoice-3081-kitchen-leak.vli");
    trigger(CommandIds::FileOpen);
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("invoice-3081-kitchen-leak.vli"));
    EXPECT_EQ(app->mainWindow()->currentMenuId(), 131);
}

TEST_F(DocumentWindows, AnOpenedDocumentTakesTheKeysOnItsCurrentTab)
{
    skipFirstRun();
    ASSERT_TRUE(start({example("estimate-1017-bathroom-refit.vle")}));
    QApplication::setActiveWindow(app->mainWindow());
    QApplication::processEvents();
    DocumentWindow* frame = app->mainWindow()->activeDocumentWindow();
    ASSERT_NE(frame, nullptr);
    auto* view = qobject_cast<JobEstimateEditView*>(frame->viewWidget());
    ASSERT_NE(view, nullptr);
    // Activating the window focuses its view, which hands the focus to the
    // current tab: typing goes into its field without a click first.
    app->mainWindow()->mdiArea()->setActiveSubWindow(nullptr);
    app->mainWindow()->mdiArea()->setActiveSubWindow(frame);
    QApplication::processEvents();
    EXPECT_TRUE(view->currentTab()->isAncestorOf(QApplication::focusWidget()));
}

namespace {

/// Claims every Ctrl and letter key for the field it watches, as a line edit
/// does for its editing keys.
class ClaimsControlKeys : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && key->key() >= Qt::Key_A &&
            key->key() <= Qt::Key_Z)
            event->accept();
        return false;
    }
};

} // namespace

TEST_F(DocumentWindows, TheWindowsKeysWorkWithTheFocusInsideATab)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QApplication::setActiveWindow(app->mainWindow());
    trigger(CommandIds::FileNewInvoice);
    QApplication::processEvents();
    auto* view =
        qobject_cast<JobInvoiceEditView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(view, nullptr);
    QWidget* field = QApplication::focusWidget();
    ASSERT_TRUE(view->currentTab()->isAncestorOf(field));

    // Ctrl+S reaches the window's Save, which asks where a new document goes.
    QTemporaryDir dir;
    dialogs->saveAnswer = dir.filePath(QStringLiteral("new.vli"));
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->offeredSaveFilter, QStringLiteral("Vorlane Invoice Files (*.vli)"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("new.vli"))));
    // F7 on the first tab does nothing; F8 goes on to the next.
    QTest::keyClick(field, Qt::Key_F7);
    EXPECT_EQ(view->currentIndex(), 0);
    QTest::keyClick(field, Qt::Key_F8);
    EXPECT_EQ(view->currentIndex(), 1);

    // The document-wide keys are the window's even where a text field claims
    // Ctrl and a letter for itself (X11's keys make Ctrl+E "end of line"; the
    // tests' platform has no such keys, so a filter claims them as it would).
    ClaimsControlKeys claims;
    QWidget* line = view->currentTab()->findChild<QLineEdit*>();
    QWidget* lines = view->currentTab()->findChild<QPlainTextEdit*>();
    ASSERT_NE(line, nullptr);
    ASSERT_NE(lines, nullptr);
    for (QWidget* text : {line, lines}) {
        SCOPED_TRACE(text->metaObject()->className());
        text->setFocus();
        text->installEventFilter(&claims);
        dialogs->offeredSaveFilter.clear();
        dialogs->saveAnswer.clear();
        QTest::keyClick(text, Qt::Key_E, Qt::ControlModifier);
        EXPECT_EQ(dialogs->offeredSaveFilter, QString::fromLatin1(ExportCommands::PdfFilter));
        // Copy stays the field's.
        QKeyEvent copy(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
        copy.setAccepted(false);
        QApplication::sendEvent(text, &copy);
        EXPECT_TRUE(copy.isAccepted());
    }
}

TEST_F(DocumentWindows, ANewDocumentIsFirstSavedIntoAFolderThatExists)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    trigger(CommandIds::FileNewEstimate);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documents.startsWith(QDir::homePath())) << "the tests' home is a temporary folder";

    // Without a documents folder the home folder is offered.
    QDir(documents).removeRecursively();
    trigger(CommandIds::FileSave);
    const QFileInfo offered(dialogs->offeredSavePath);
    EXPECT_TRUE(offered.isAbsolute());
    EXPECT_EQ(offered.absolutePath(), QDir::homePath());
    EXPECT_EQ(offered.fileName(), QStringLiteral("Estimate 101.vle"));

    ASSERT_TRUE(QDir().mkpath(documents));
    trigger(CommandIds::FileSave);
    EXPECT_EQ(QFileInfo(dialogs->offeredSavePath).absolutePath(), QDir(documents).absolutePath());
}

TEST_F(DocumentWindows, SaveAsAndTheDialogsStartInTheFolderLastUsedForDocuments)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir first;
    QTemporaryDir second;
    trigger(CommandIds::FileNewInvoice);
    dialogs->saveAnswer = first.filePath(QStringLiteral("kitchen.vli"));
    trigger(CommandIds::FileSave);
    ASSERT_TRUE(QFileInfo::exists(dialogs->saveAnswer));
    EXPECT_EQ(SettingsStore::lastDocumentFolder(), QDir(first.path()).absolutePath());

    // Opening from elsewhere moves the remembered folder; Save As starts there.
    QFile::copy(dialogs->saveAnswer, second.filePath(QStringLiteral("copy.vli")));
    dialogs->openAnswer = second.filePath(QStringLiteral("copy.vli"));
    trigger(CommandIds::FileOpen);
    // Back to the invoice saved first (after the start page).
    app->mainWindow()->mdiArea()->setActiveSubWindow(app->mainWindow()->documentWindows().at(1));
    dialogs->saveAnswer.clear();
    answer = MessageHook::AnswerYes; // the same invoice in a new place
    trigger(CommandIds::FileSaveAs);
    EXPECT_EQ(dialogs->offeredSavePath,
              QDir(second.path()).filePath(QStringLiteral("kitchen.vli")));

    // A folder that has gone is forgotten for the documents folder.
    second.remove();
    EXPECT_EQ(SettingsStore::lastDocumentFolder(), SettingsStore::documentsFolder());
}

TEST_F(DocumentWindows, TiledWindowsKeepEveryTabAtASizeThatCutsNoLabel)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    app->mainWindow()->resize(900, 600);
    app->mainWindow()->show();
    for (int i = 0; i < 4; ++i)
        trigger(CommandIds::FileNewEstimate);
    trigger(CommandIds::WindowTile);
    QApplication::processEvents();
    for (DocumentWindow* frame : app->mainWindow()->documentWindows()) {
        auto* view = qobject_cast<TabbedEditView*>(frame->viewWidget());
        if (!view)
            continue;
        // The area's tiler rounds each window's size by a pixel or two.
        const int rounding = 4;
        for (int i = 0; i < view->tabCount(); ++i) {
            const QSize least = view->tab(i)->minimumSizeHint();
            view->selectTab(i);
            EXPECT_GE(view->currentTab()->width() + rounding, least.width()) << i;
            EXPECT_GE(view->currentTab()->height() + rounding, least.height()) << i;
        }
    }
}

// A customer the database file cannot take is said at once with the reason,
// kept, offered again, and on exit written or left out only as the user says.
TEST_F(DocumentWindows, AnUnwrittenCustomerIsOfferedAgainUntilWrittenOrLeftOut)
{
    QTemporaryDir dir;
    // The database's folder is missing: every write fails until it is made.
    const QString database = dir.filePath(QStringLiteral("missing/Vorlane.vlc"));
    SettingsStore::set(SettingKeys::CustomerDatabase, ombrel::OMString::fromQString(database));
    for (const bool writeAtExit : {true, false}) {
        SCOPED_TRACE(writeAtExit);
        skipFirstRun();
        ASSERT_TRUE(start());
        trigger(CommandIds::FileNewInvoice);
        auto& job =
            dynamic_cast<JobBaseDoc&>(app->mainWindow()->activeDocumentWindow()->document());
        job.record()->customer.surname = "Dunmore";
        dialogs->saveAnswer = dir.filePath(QStringLiteral("inv.vli"));
        messages.clear();
        answer = MessageHook::AnswerNo;
        trigger(CommandIds::FileSave);
        // Said at once, with the reason, and offered again.
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(database + QStringLiteral(" cannot be written")))
            << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("Try writing")));
        EXPECT_FALSE(QFile::exists(database));

        // On exit the change gets its last chance: written once it can be,
        // else the user is asked, and No leaves it out.
        messages.clear();
        if (writeAtExit) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("missing")));
        }
        EXPECT_TRUE(app->mainWindow()->close());
        if (writeAtExit) {
            EXPECT_TRUE(messages.empty());
            QFile file(database);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll().contains("Dunmore"));
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_TRUE(messages[0].text.contains(QStringLiteral("No leaves them out")));
        }
        app.reset();
        QDir(dir.filePath(QStringLiteral("missing"))).removeRecursively();
        QFile::remove(dir.filePath(QStringLiteral("inv.vli")));
    }
}

// Another running copy holding the customer database does not hold up the
// window: the save is not questioned, the customer waits and is written in
// the background once the database is free.
TEST_F(DocumentWindows, ABusyCustomerDatabaseIsWrittenInTheBackground)
{
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Vorlane.vlc"));
    SettingsStore::set(SettingKeys::CustomerDatabase, ombrel::OMString::fromQString(database));
    skipFirstRun();
    ASSERT_TRUE(start());
    auto holder = std::make_unique<QLockFile>(database + QStringLiteral(".lock"));
    ASSERT_TRUE(holder->tryLock(0));
    trigger(CommandIds::FileNewInvoice);
    auto& job = dynamic_cast<JobBaseDoc&>(app->mainWindow()->activeDocumentWindow()->document());
    job.record()->customer.surname = "Dunmore";
    dialogs->saveAnswer = dir.filePath(QStringLiteral("inv.vli"));
    messages.clear();
    trigger(CommandIds::FileSave);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(app->mainWindow()->statusBar()->currentMessage().contains("in use"));
    EXPECT_TRUE(QFile::exists(dialogs->saveAnswer));

    holder.reset();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QFile file(database);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("Dunmore");
        },
        10000));
    EXPECT_TRUE(messages.empty());
}

// An invoice's window makes credit notes and copies; no number is given twice.
TEST_F(DocumentWindows, CreditNotesDuplicatesAndSaveAsWithTheNextNumber)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    dialogs->openAnswer = dir.filePath(QStringLiteral("kitchen.vli"));
    ASSERT_TRUE(QFile::copy(example("invoice-3081-kitchen-leak.vli"), dialogs->openAnswer));
    trigger(CommandIds::FileOpen);
    EXPECT_TRUE(action(CommandIds::FileNewCreditNoteFromThis)->isEnabled());

    dialogs->creditAnswer = {{2, std::nullopt}, {1, ombrel::OMMoney(1925)}};
    trigger(CommandIds::FileNewCreditNoteFromThis);
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("Credit Note 101"));
    auto& note = static_cast<JobBaseDoc&>(app->mainWindow()->activeDocumentWindow()->document());
    const DocumentSummary credit = note.record()->summary(FigureInputs{});
    EXPECT_TRUE(credit.credit);
    EXPECT_EQ(credit.corrects, QStringLiteral("3081"));
    EXPECT_EQ(credit.net, ombrel::OMMoney(-(1080 + 1925)));
    EXPECT_FALSE(action(CommandIds::FileNewCreditNoteFromThis)->isEnabled());
    EXPECT_FALSE(action(CommandIds::FileImport)->isEnabled());

    // Back to the invoice: a duplicate takes the next invoice number.
    app->mainWindow()->mdiArea()->setActiveSubWindow(app->mainWindow()->documentWindows().at(1));
    trigger(CommandIds::FileDuplicate);
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("Invoice 101"));

    // Save As of the invoice as a new one takes 102; its old file keeps 3081.
    app->mainWindow()->mdiArea()->setActiveSubWindow(app->mainWindow()->documentWindows().at(1));
    dialogs->saveAnswer = dir.filePath(QStringLiteral("again.vli"));
    answer = MessageHook::AnswerNo; // a new invoice with the next number
    trigger(CommandIds::FileSaveAs);
    EXPECT_TRUE(messages.back().text.contains("invoice 3081"))
        << messages.back().text.toStdString();
    EXPECT_EQ(JobFileReader::load(dialogs->saveAnswer, nullptr)->number, 102u);
    EXPECT_EQ(JobFileReader::load(dialogs->openAnswer, nullptr)->number, 3081u);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 103);
}
