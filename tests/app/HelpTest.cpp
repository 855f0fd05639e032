#include "WindowFixture.h"

#include <QFileDialog>
#include <QTimer>

#include "app/AboutDialog.h"
#include "app/HelpLauncher.h"
#include "app/HelpWindow.h"
#include "documents/FileFilter.h"
#include "resources/StringTable.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

/// Catches what would go to the desktop's opener.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "take");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> urls;

public slots:
    void take(const QUrl& url) { urls.append(url); }
};

} // namespace

TEST(HelpLookup, BesideTheProgramFirstThenItsHelpFolderElseNothing)
{
    QTemporaryDir dir;
    EXPECT_TRUE(HelpLauncher::findHelpFile(dir.path()).isEmpty());
    touch(dir.filePath("help/Vorlane.html"));
    EXPECT_EQ(HelpLauncher::findHelpFile(dir.path()), dir.filePath("help/Vorlane.html"));
    touch(dir.filePath("Vorlane.html"));
    EXPECT_EQ(HelpLauncher::findHelpFile(dir.path()), dir.filePath("Vorlane.html"));
}

TEST(HelpLaunch, PathsReachTheOpenerWholeAsOneAddressNeverAsShellText)
{
    QTemporaryDir dir;
    const QString nasty = dir.filePath("my \"guide\"; rm -rf ~ $(x).html");
    touch(nasty);
    UrlCatcher catcher;

    HelpLauncher::launchHelpFile(nasty + "#part2");
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toLocalFile(), nasty);
    EXPECT_EQ(catcher.urls[0].fragment(), QStringLiteral("part2"));

    HelpLauncher::launchHelpFile(QStringLiteral("http://example.org/a b"));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[1].scheme(), QStringLiteral("http"));

    // Nothing starts for an empty path or a file that is not there.
    HelpLauncher::launchHelpFile(QString());
    HelpLauncher::launchHelpFile(dir.filePath("missing.html"));
    EXPECT_EQ(catcher.urls.size(), 2);
}

using HelpCommand = WindowTest;

TEST_F(HelpCommand, F1ShowsTheManualInItsOwnWindowOrSaysItIsMissing)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    app->setProgramFolder(dir.path());
    UrlCatcher catcher;
    app->showHelp();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, StringTable::text(IDS_HELP_MISSING).toQString());
    EXPECT_EQ(app->mainWindow()->findChild<HelpWindow*>(), nullptr);
    messages.clear();

    QFile manual(dir.filePath("Vorlane.html"));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.write("<html><body><h1>Pricing a job</h1><a href=\"#terms\">Terms</a>"
                 "<h2 id=\"terms\">Terms</h2><p>Payment terms</p></body></html>");
    manual.close();

    // Even where the desktop has a viewer (the catcher), F1 shows our window.
    app->showHelp();
    auto* window = app->mainWindow()->findChild<HelpWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(catcher.urls.isEmpty());
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("Pricing a job")));
    EXPECT_TRUE(messages.empty());
    // A second F1 brings the same window forward.
    app->showHelp();
    EXPECT_EQ(app->mainWindow()->findChildren<HelpWindow*>().size(), 1);

    // It finds text, round again from the top, and says when there is none.
    window->findField()->setText(QStringLiteral("terms"));
    EXPECT_TRUE(window->findNext());
    EXPECT_TRUE(window->findNext());
    EXPECT_TRUE(window->findNext());
    EXPECT_EQ(window->browser()->textCursor().selectedText().toLower(), QStringLiteral("terms"));
    window->findField()->setText(QStringLiteral("plumbago"));
    EXPECT_FALSE(window->findNext());

    // Open in Browser hands the manual to the desktop.
    window->browserButton()->click();
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toLocalFile(), dir.filePath("Vorlane.html"));
}

TEST(AboutBox, NamesTheProgramAndVersionAndLinksTheManual)
{
    AboutDialog about(QStringLiteral("/opt/vorlane/help/Vorlane.html"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vorlane"));
    EXPECT_TRUE(about.text().startsWith(QStringLiteral("<b>Vorlane</b> v1.3<p>For more information "
                                                       "and support visit <a href=\"file:///opt/"
                                                       "vorlane/help/Vorlane.html\">")))
        << about.text().toStdString();
}

TEST(OpenDialogFilter, EveryKindBecomesAQtNameFilter)
{
    EXPECT_EQ(FileFilter::fromPipeSeparated(FileFilter::openFilter()),
              (QStringList{"Vorlane documents (*.vle *.vli *.vlq *.vln)", "Estimate Files (*.vle)",
                           "Invoice Files (*.vli)", "Quote Files (*.vlq)", "Credit Note Files (*.vln)",
                           "All Files (*)"}));
}

TEST(OpenDialogFilter, TheImportDialogIsTitledImportAndOpenOpen)
{
    CommandDialogs dialogs;
    for (const bool import : {true, false}) {
        QString title;
        QTimer::singleShot(0, [&title] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                dialog->reject();
            }
        });
        if (import)
            dialogs.importPath(nullptr, FileFilter::openFilter());
        else
            dialogs.openPath(nullptr);
        EXPECT_EQ(title, import ? "Import" : "Open");
    }
}

#include "HelpTest.moc"
