#include "WindowFixture.h"

#include "app/CommandIds.h"

#include "app/MailLauncher.h"
#include "app/MenuBarBuilder.h"
#include "views/ItemGrid.h"
#include "views/JobEditView.h"
#include "views/MaterialsTab.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

/// A menu as text: items as "text\tkey", separators "-", sub-menus "text>" followed by "  item".
QStringList describe(const QMenu* menu, const QString& indent = {})
{
    QStringList lines;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
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

const QStringList kNewMenu = {"  &New>", "    &Estimate\tCtrl+Shift+E", "    &Quote\tCtrl+Shift+Q",
                              "    &Invoice\tCtrl+Shift+I", "    &Credit Note"};
const QStringList kHelp = {"&Help:", "  Contents...\tF1", "  -", "  &About Vorlane..."};
const QStringList kWindow = {"&Window:", "  &Cascade", "  &Tile", "  &Arrange Icons"};
const QStringList kSettings = {"  &Options\tF4", "  &Business Information"};
const QStringList kEditLayout = QStringList{"&Edit:",
                                            "  &Insert Row\tCtrl+=",
                                            "  &Delete Row\tCtrl+-",
                                            "  Move Row &Up\tAlt+Up",
                                            "  Move Row Do&wn\tAlt+Down",
                                            "  -",
                                            "  &Layout>",
                                            "    Logo in &Centre",
                                            "    Logo on &Left",
                                            "    Logo on &Right",
                                            "  -"} +
                                kSettings;

QStringList tabsMenu(const QStringList& tabs)
{
    QStringList lines{"  Ne&xt Tab\tCtrl+PgDown", "  Pre&vious Tab\tCtrl+PgUp", "  T&abs>"};
    for (int i = 0; i < tabs.size(); ++i)
        lines << QStringLiteral("    &%1 %2\tAlt+%1").arg(i + 1).arg(tabs[i]);
    return lines << "  -";
}

/// Lets Send by E-mail show whatever the machine has installed.
struct AvailableMail : MailLauncher
{
    bool available() const override { return true; }
};

/// The letters underlined in `menu` and every menu below it that repeat
/// within one menu, as "menu: letter".
QStringList repeatedMnemonics(const QMenu* menu)
{
    QStringList repeated;
    QString seen;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        if (action->menu())
            repeated << repeatedMnemonics(action->menu());
        const QString text = QString(action->text()).replace(QLatin1String("&&"), QString());
        const int at = text.indexOf(u'&');
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QChar letter = text.at(at + 1).toLower();
        if (seen.contains(letter))
            repeated << menu->title() + ": " + letter;
        seen += letter;
    }
    return repeated;
}

QStringList fileMenu(bool import, bool newInvoice = true, bool newCreditNote = false,
                     bool eInvoice = false)
{
    QStringList file = QStringList{"&File:"} + kNewMenu +
                       QStringList{"  &Open...\tCtrl+O", "  &Close",     "  &Save\tCtrl+S",
                                   "  Save &As...",      "  D&uplicate", "  -"};
    if (import)
        file << "  &Import...\tCtrl+I"
             << "  -";
    if (newInvoice)
        file << "  New Invoice &from This...";
    // An invoice's: credit notes and payment reminders.
    if (newCreditNote)
        file << "  New Credi&t Note from This..."
             << "  Pa&yment Reminder...";
    file << "  &Export as PDF...\tCtrl+E";
    if (eInvoice)
        file << "  Export as E-invoice...";
    file << "  Sen&d by E-mail..."
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
    app->setMailLauncher(std::make_unique<AvailableMail>());
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
                             kSettings +
                             QStringList{"&View:", "  Do&cuments\tCtrl+Shift+D",
                                         "  C&ustomers\tCtrl+Shift+C", "  &Toolbar"} +
                             kHelp;
    EXPECT_EQ(menuBarOf(*app, &titles), none);

    trigger(CommandIds::FileNewEstimate);
    const QStringList kZoom{"  Zoom &In\tCtrl++", "  Zoom &Out\tCtrl+-", "  &Fit to Width\tCtrl+0",
                            "  -"};
    const QStringList estimate =
        fileMenu(false) + kEditLayout +
        QStringList{"&View:",    "  &Materials", "  &Hire Charges",
                    "  T&ravel", "  &Labour",    "  &Detailed Breakdown of Labour",
                    "  -"} +
        kZoom +
        tabsMenu({"Customer Details", "Location", "Description", "Labour", "Travel", "Materials",
                  "Tool/Plant Hire", "Preview"}) +
        QStringList{"  Do&cuments\tCtrl+Shift+D", "  C&ustomers\tCtrl+Shift+C", "  &Toolbar"} +
        kWindow + kHelp;
    EXPECT_EQ(menuBarOf(*app, &titles).join('\n').toStdString(), estimate.join('\n').toStdString());

    trigger(CommandIds::FileNewQuote);
    QStringList quote = estimate;
    quote.replace(quote.indexOf("  &Labour"), "  La&bour");
    quote = fileMenu(true) + quote.mid(fileMenu(false).size());
    EXPECT_EQ(menuBarOf(*app, &titles).join('\n').toStdString(), quote.join('\n').toStdString());

    trigger(CommandIds::FileNewInvoice);
    const QStringList invoiceMenus =
        kEditLayout + QStringList{"&View:", "  &Payment Details", "  -"} + kZoom +
        tabsMenu({"Customer Details", "Description", "Items", "Payments", "Preview"}) +
        QStringList{"  Do&cuments\tCtrl+Shift+D", "  C&ustomers\tCtrl+Shift+C", "  &Toolbar"} +
        kWindow + kHelp;
    const QStringList invoice = fileMenu(true, false, true, true) + invoiceMenus;
    EXPECT_EQ(menuBarOf(*app, &titles).join('\n').toStdString(), invoice.join('\n').toStdString());

    trigger(CommandIds::FileNewCreditNote);
    EXPECT_EQ(menuBarOf(*app, &titles).join('\n').toStdString(),
              (fileMenu(false, false, false, true) + invoiceMenus).join('\n').toStdString());
    trigger(CommandIds::FileNewInvoice);
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));

    // Back to the estimate: its bar returns, with the estimate's labour item.
    app->mainWindow()->mdiArea()->setActiveSubWindow(app->mainWindow()->documentWindows().at(1));
    EXPECT_EQ(menuBarOf(*app, &titles).join('\n').toStdString(), estimate.join('\n').toStdString());
}

TEST_F(Menus, NoMenuOfAnyKindUnderlinesOneLetterTwice)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    app->setMailLauncher(std::make_unique<AvailableMail>());
    for (int command :
         {0, CommandIds::FileNewEstimate, CommandIds::FileNewQuote, CommandIds::FileNewInvoice}) {
        if (command)
            trigger(command);
        app->mainWindow()->updateCommandStates();
        for (QAction* top : app->mainWindow()->menuBar()->actions()) {
            ASSERT_TRUE(top->menu());
            emit top->menu()->aboutToShow(); // the Window menu lists the windows
            EXPECT_EQ(repeatedMnemonics(top->menu()).join(u',').toStdString(), "")
                << app->mainWindow()->currentMenuId();
        }
    }
}

TEST_F(Menus, TabsAndRowCommandsByKeysAndMenu)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    trigger(CommandIds::FileNewEstimate);
    MainWindow& window = *app->mainWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* view = qobject_cast<JobEditView*>(window.activeDocumentWindow()->viewWidget());
    ASSERT_TRUE(view);
    const auto press = [](int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    };
    press(Qt::Key_PageDown, Qt::ControlModifier);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex(), 2);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex(), 1);
    press(Qt::Key_F8, {});
    EXPECT_EQ(view->currentIndex(), 2);
    EXPECT_TRUE(action(CommandIds::ViewTabFirst + 2)->isChecked());
    press(Qt::Key_6, Qt::AltModifier);
    ASSERT_EQ(view->currentTab(), &view->materials());
    EXPECT_TRUE(action(CommandIds::ViewTabFirst + 5)->isChecked());
    EXPECT_FALSE(action(CommandIds::ViewTabFirst + 1)->isChecked());

    // Three rows typed, then moved and deleted through the Edit menu's commands.
    ItemGrid& grid = *view->materials().grid();
    for (const char* text : {"A", "B", "C"}) {
        grid.setFocusCell(grid.rowCount() - 1, 1);
        QTest::keyClicks(&grid, text);
        QTest::keyClick(grid.cellEditor(), Qt::Key_Return);
        QApplication::processEvents();
    }
    const auto descriptions = [&grid] {
        QStringList texts;
        for (int r = 1; r < grid.rowCount() - 1; ++r)
            texts << grid.text(r, 1);
        return texts.join(u',');
    };
    ASSERT_EQ(descriptions(), "A,B,C");
    // The Edit menu brings its commands up to date as it opens.
    const auto openEditMenu = [&window] { emit window.menus().editMenu()->aboutToShow(); };
    grid.setFocusCell(1, 1);
    openEditMenu();
    EXPECT_FALSE(action(CommandIds::EditMoveRowUp)->isEnabled());
    EXPECT_TRUE(action(CommandIds::EditMoveRowDown)->isEnabled());
    trigger(CommandIds::EditMoveRowDown);
    EXPECT_EQ(descriptions(), "B,A,C");
    press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(descriptions(), "B,C,A");
    openEditMenu();
    trigger(CommandIds::EditDeleteRow);
    EXPECT_EQ(descriptions(), "B,C");
    grid.setFocusCell(2, 1);
    openEditMenu();
    trigger(CommandIds::EditInsertRow);
    EXPECT_EQ(descriptions(), "B,,C");

    // Away from a grid the row commands are off.
    press(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(view->currentIndex(), 0);
    EXPECT_FALSE(action(CommandIds::EditDeleteRow)->isEnabled());
}

TEST_F(Menus, ScreenReadersStillReadTheMenusAfterTheBarIsRebuilt)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    const auto fileMenuItems = [this] {
        QAccessibleInterface* bar =
            QAccessible::queryAccessibleInterface(app->mainWindow()->menuBar());
        QStringList names;
        for (int i = 0; bar && i < bar->childCount(); ++i) {
            QAccessibleInterface* top = bar->child(i);
            if (top->text(QAccessible::Name) != "File" || top->childCount() != 1)
                continue;
            QAccessibleInterface* menu = top->child(0);
            for (int j = 0; j < menu->childCount(); ++j)
                if (menu->child(j)->role() != QAccessible::Separator)
                    names << (menu->child(j)->isValid() && menu->child(j)->parent() == menu
                                  ? menu->child(j)->text(QAccessible::Name)
                                  : QStringLiteral("<gone>"));
        }
        return names;
    };
    EXPECT_TRUE(fileMenuItems().contains("Open..."));
    QTemporaryDir dir;
    const QString path = dir.filePath("job.vle");
    QFile::copy(example("estimate-1017-bathroom-refit.vle"), path);
    ASSERT_NE(app->openDocumentFile(path), nullptr);
    QApplication::processEvents();
    const QStringList withDocument = fileMenuItems();
    EXPECT_TRUE(withDocument.contains("Save As...")) << withDocument.join('|').toStdString();
    app->mainWindow()->activeDocumentWindow()->close();
    QApplication::processEvents();
    const QStringList after = fileMenuItems();
    EXPECT_TRUE(after.contains("Open...")) << after.join('|').toStdString();
    for (const QString& name : after)
        EXPECT_FALSE(name.isEmpty() || name == "<gone>") << after.join('|').toStdString();
}

TEST_F(Menus, TheToolBarCarriesItsButtonsWithTips)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QStringList tips;
    for (QAction* action : app->mainWindow()->toolBar()->actions())
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    EXPECT_EQ(tips, (QStringList{"New Estimate", "New quote", "New invoice", "-", "Open", "Save",
                                 "Print", "Export as PDF", "-", "Documents", "Customers",
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
