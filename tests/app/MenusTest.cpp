#include "WindowFixture.h"

#include "app/CommandIds.h"

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

/// A menu as text: items as "text\tkey", separators "-", sub-menus "text>" followed by "  item".
QStringList describe(const QMenu* menu, const QString& indent = {})
{
    QStringList lines;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << indent + "-";
        } else if (action->menu()) {
            lines << indent + action->text() + ">";
            lines << describe(action->menu(), indent + "  ");
        } else {
            QString line = indent + action->text();
            if (!action->shortcut().isEmpty())
                line += "\t" + action->shortcut().toString(QKeySequence::NativeText);
            lines << line;
        }
    }
    return lines;
}

QStringList menuBarOf(Application& app, QStringList* titles)
{
    QStringList all;
    titles->clear();
    for (QAction* top : app.mainWindow()->menuBar()->actions()) {
        if (!top->menu())
            continue;
        titles->append(top->text());
        all << top->text() + ":" << describe(top->menu(), "  ");
    }
    return all;
}

const QStringList kNewMenu = {"  N&ew>", "    &Estimate\tCtrl+Shift+E", "    &Quote\tCtrl+Shift+Q",
                              "    &Invoice\tCtrl+Shift+I", "    &Credit Note"};
const QStringList kHelp = {"&Help:", "  Contents...\tF1", "  -", "  &About Vorlane..."};
const QStringList kWindow = {"&Window:", "  &Cascade", "  &Tile", "  &Arrange Icons"};
const QStringList kSettings = {"  &Options\tF4", "  &Business Information"};
const QStringList kEditLayout =
    QStringList{
        "&Edit:", "  &Layout>", "    Logo in &Centre", "    Logo on &Left", "    Logo on &Right",
        "  -"} +
    kSettings;

QStringList fileMenu(bool import, bool newInvoice = true, bool newCreditNote = false)
{
    QStringList file = QStringList{"&File:"} + kNewMenu +
                       QStringList{"  &Open...\tCtrl+O", "  &Close",     "  &Save\tCtrl+S",
                                   "  Save &As...",      "  D&uplicate", "  -"};
    if (import)
        file << "  &Import...\tCtrl+I"
             << "  -";
    if (newInvoice)
        file << "  New In&voice from This...";
    if (newCreditNote)
        file << "  New Credi&t Note from This...";
    file << "  &Export as PDF...\tCtrl+E"
         << "  Sen&d by E-mail..."
         << "  -"
         << "  &Print...\tCtrl+P"
         << "  Print Pre&view"
         << "  P&rint Setup..."
         << "  -"
         << "  Recent File"
         << "  -"
         << "  E&xit";
    return file;
}

} // namespace

using Menus = WindowTest;

TEST_F(Menus, EachKindOfActiveDocumentHasItsMenuBar)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QStringList titles;

    // The start page shows the menu of no document, with the settings commands.
    const QStringList none = QStringList{"&File:"} + kNewMenu +
                             QStringList{"  &Open...\tCtrl+O",
                                         "  -",
                                         "  P&rint Setup...",
                                         "  -",
                                         "  Recent File",
                                         "  -",
                                         "  &Close",
                                         "  E&xit",
                                         "&Edit:"} +
                             kSettings + QStringList{"&View:", "  &Toolbar"} + kHelp;
    EXPECT_EQ(menuBarOf(*app, &titles), none);

    trigger(CommandIds::FileNewEstimate);
    const QStringList kZoom{"  Zoom &In\tCtrl++", "  Zoom &Out\tCtrl+-", "  &Fit to Width\tCtrl+0",
                            "  -"};
    const QStringList estimate =
        fileMenu(false) + kEditLayout +
        QStringList{"&View:",    "  &Materials", "  &Hire Charges",
                    "  T&ravel", "  &Labour",    "  &Detailed Breakdown of Labour",
                    "  -"} +
        kZoom + QStringList{"  &Toolbar"} + kWindow + kHelp;
    EXPECT_EQ(menuBarOf(*app, &titles), estimate);

    trigger(CommandIds::FileNewQuote);
    QStringList quote = estimate;
    quote.replace(quote.indexOf("  &Labour"), "  La&bour");
    quote = fileMenu(true) + quote.mid(fileMenu(false).size());
    EXPECT_EQ(menuBarOf(*app, &titles), quote);

    trigger(CommandIds::FileNewInvoice);
    const QStringList invoiceMenus = kEditLayout +
                                     QStringList{"&View:", "  &Payment Details", "  -"} + kZoom +
                                     QStringList{"  &Toolbar"} + kWindow + kHelp;
    const QStringList invoice = fileMenu(true, false, true) + invoiceMenus;
    EXPECT_EQ(menuBarOf(*app, &titles), invoice);

    trigger(CommandIds::FileNewCreditNote);
    EXPECT_EQ(menuBarOf(*app, &titles), fileMenu(false, false) + invoiceMenus);
    trigger(CommandIds::FileNewInvoice);
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));

    // Back to the estimate: its bar returns, with the estimate's labour item.
    app->mainWindow()->mdiArea()->setActiveSubWindow(app->mainWindow()->documentWindows().at(1));
    EXPECT_EQ(menuBarOf(*app, &titles), estimate);
}

TEST_F(Menus, TheToolBarCarriesItsButtonsWithTips)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QStringList tips;
    for (QAction* action : app->mainWindow()->toolBar()->actions())
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    EXPECT_EQ(tips, (QStringList{"New Estimate", "New quote", "New invoice", "-", "Open", "Save",
                                 "Print", "Export as PDF", "-",
                                 "Change the program options and defaults", "Help"}));
    EXPECT_EQ(app->commands().action(CommandIds::FileNewEstimate)->statusTip(),
              QStringLiteral("Create a new estimate"));
    for (QAction* action : app->mainWindow()->toolBar()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
}

TEST_F(Menus, RecentFilesKeepTheLastFourMostRecentFirstAndDropAFileThatIsGone)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        const QString path = dir.filePath(QStringLiteral("job%1.vle").arg(i));
        QFile::copy(example("estimate-1017-bathroom-refit.vle"), path);
        paths << path;
        ASSERT_NE(app->openDocumentFile(path), nullptr);
    }
    EXPECT_EQ(app->recentFiles().files(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    EXPECT_EQ(QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"))
                  .value(QStringLiteral("Recent File List/File1"))
                  .toString(),
              paths[4]);

    // Re-opening an open file brings its window forward and moves it to the top.
    ASSERT_NE(app->openDocumentFile(paths[2]), nullptr);
    EXPECT_EQ(app->mainWindow()->documentWindows().size(), 6); // five documents and the start page
    QStringList titles;
    const QStringList bar = menuBarOf(*app, &titles);
    EXPECT_TRUE(bar.contains("  &1 job4.vle")) << bar.join('\n').toStdString();

    QFile::remove(paths[3]);
    app->mainWindow()->close();
    app.reset();
    ASSERT_TRUE(start());
    EXPECT_EQ(app->openDocumentFile(paths[3]), nullptr);
    EXPECT_FALSE(app->recentFiles().files().contains(paths[3]));
}

TEST_F(Menus, SaveIsOfferedForUnsavedWorkSaveAsForAnyDocumentNeitherOnTheStartPage)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QAction* save = app->commands().action(CommandIds::FileSave);
    QAction* saveAs = app->commands().action(CommandIds::FileSaveAs);
    QAction* close = app->commands().action(CommandIds::FileClose);
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(saveAs->isEnabled());
    EXPECT_FALSE(close->isEnabled());

    ASSERT_NE(app->openDocumentFile(example("invoice-3081-kitchen-leak.vli")), nullptr);
    app->mainWindow()->updateCommandStates();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(saveAs->isEnabled());
    EXPECT_TRUE(close->isEnabled());

    app->mainWindow()->activeDocumentWindow()->document().setModified();
    app->mainWindow()->updateCommandStates();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(saveAs->isEnabled());
    EXPECT_TRUE(app->mainWindow()->activeDocumentWindow()->isWindowModified());
}
