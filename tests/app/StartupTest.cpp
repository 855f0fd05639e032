#include "WindowFixture.h"

#include "documents/StartPageDoc.h"
#include "resources/StringTable.h"

#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QSplashScreen>
#include <QTemporaryDir>

namespace {

const char* kEstimate = "estimate-1017-bathroom-refit.vle";

bool anySplashShown()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QSplashScreen*>(widget) && widget->isVisible())
            return true;
    return false;
}

} // namespace

using Startup = WindowTest;

TEST_F(Startup, FirstRunShowsTheMessageOverTheWindowThenTheStartPageThenTheOptions)
{
    bool frameShownAtMessage = false;
    QStringList windowsAtMessage;
    int kindsAtMessage = 0;
    whileShown = [&] {
        frameShownAtMessage = app->mainWindow() && app->mainWindow()->isVisible();
        windowsAtMessage = frameTitles();
        kindsAtMessage = int(app->templates().all().size());
    };
    int optionsRuns = 0;
    bool startPageAtOptions = false;
    auto scripted = std::make_unique<ScriptedDialogs>();
    app = std::make_unique<Application>(std::move(scripted));
    QObject::connect(app.get(), &Application::optionsRequested, [&] {
        ++optionsRuns;
        startPageAtOptions = frameTitles() == QStringList{"Vorlane Start Page"};
    });
    ASSERT_TRUE(app->start(CommandLine{}));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, StringTable::text(IDS_FIRST_RUN).toQString());
    EXPECT_EQ(messages[0].icon, MessageHook::Information);
    EXPECT_TRUE(frameShownAtMessage);
    EXPECT_TRUE(windowsAtMessage.isEmpty()) << "the start page opens after the message";
    EXPECT_EQ(kindsAtMessage, 5);
    EXPECT_EQ(frameTitles(), QStringList{"Vorlane Start Page"});
    EXPECT_TRUE(app->mainWindow()->isMaximized());
    EXPECT_TRUE(app->mainWindow()->activeDocumentWindow()->isMaximized());

    // The options command was posted: it runs once the event loop does.
    EXPECT_EQ(optionsRuns, 0);
    QApplication::processEvents();
    EXPECT_EQ(optionsRuns, 1);
    EXPECT_TRUE(startPageAtOptions);
    EXPECT_TRUE(SettingsStore::get(SettingKeys::Mode) & int32_t(SettingKeys::FirstRunDone));
}

TEST_F(Startup, TheSecondStartShowsNoFirstRunMessageAndKeepsOtherModeBits)
{
    SettingsStore::set(SettingKeys::Mode, 0x5);
    ASSERT_TRUE(start());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(uint32_t(SettingsStore::get(SettingKeys::Mode)), 0x80000005u);
    app->mainWindow()->close();
    app.reset();

    messages.clear();
    ASSERT_TRUE(start());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app->flags(), 0x80000005u);
}

TEST_F(Startup, KindsAreRegisteredInTheirOrderAndNewOffersOnlyThoseWithFiles)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    std::vector<int> ids;
    for (const auto& kind : app->templates().all())
        ids.push_back(kind->resourceId());
    EXPECT_EQ(ids, (std::vector<int>{130, 131, 132, 134, 133}));

    dialogs->newKindAnswer = 2;
    trigger(57600);
    EXPECT_EQ(dialogs->offeredKinds, (QStringList{"Estimate", "Invoice", "Quote", "Credit Note"}));
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("Quote 101"));
}

TEST_F(Startup, ANamedDocumentOpensInsteadOfTheStartPage)
{
    skipFirstRun();
    ASSERT_TRUE(start({example(kEstimate)}));
    EXPECT_EQ(frameTitles(), QStringList{kEstimate});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(app->recentFiles().files().value(0),
              QFileInfo(example(kEstimate)).absoluteFilePath());
}

TEST_F(Startup, TheQuestionsOfANamedDocumentStandOverTheWindow)
{
    skipFirstRun();
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.vli"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[invoice]\nversion=1\n[base]\nnumber=7\nhasVATInfo=0\n[end]\n");
    file.close();
    bool windowShown = false;
    whileShown = [&] { windowShown = app->mainWindow() && app->mainWindow()->isVisible(); };
    ASSERT_TRUE(start({old}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("before VAT registration.")));
    EXPECT_TRUE(windowShown);
}

TEST_F(Startup, AMissingFileOnTheCommandLineEndsStartUpWithTheMessage)
{
    skipFirstRun();
    const QString missing = QStringLiteral("/nowhere/at all;\"x\".vle");
    EXPECT_FALSE(start({example(kEstimate), missing}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("The file %1 is invalid.\n\nIt was not found.").arg(missing));
    EXPECT_EQ(messages[0].icon, MessageHook::Error);
}

TEST_F(Startup, TheExecutableEndsWithAFailureStatusForAMissingFile)
{
    // A bad option is refused before any window; --version needs no display at all.
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VORLANE_PATH), {QStringLiteral("--version")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("v1.3"));

    process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    process.start(QStringLiteral(VORLANE_PATH), {QStringLiteral("--no-such-option")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
}

TEST_F(Startup, NeitherOpeningNorExportingNorReportingLoadsThePrintPlugin)
{
    // Loading it asks the print server, which may be slow or away.
    skipFirstRun();
    QTemporaryDir dir;
    const QString invoice = example("invoice-3081-kitchen-leak.vli");
    const QStringList runs[] = {
        {QStringLiteral("--quit-after-show"), invoice},
        {QStringLiteral("--export-pdf"), dir.filePath(QStringLiteral("out.pdf")), invoice},
        {QStringLiteral("--report"), invoice},
    };
    for (const QStringList& arguments : runs) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VORLANE_PATH), arguments);
        ASSERT_TRUE(process.waitForFinished(120000)) << arguments.join(' ').toStdString();
        const QByteArray log = process.readAllStandardError();
        if (arguments.first() == QLatin1String("--quit-after-show")) {
            EXPECT_TRUE(log.contains("platforms")) << "the plugin log is on";
        }
        EXPECT_FALSE(log.contains("printsupport/")) << arguments.join(' ').toStdString();
    }
}

TEST_F(Startup, TheSplashFollowsItsSetting)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    EXPECT_FALSE(anySplashShown());
    app->mainWindow()->close();
    app.reset();

    SettingsStore::set(SettingKeys::Splash, 1);
    ASSERT_TRUE(start());
    EXPECT_TRUE(anySplashShown());
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QSplashScreen*>(widget)) {
            // It stays above the main window, which is shown after it.
            EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            widget->close();
        }
}

TEST_F(Startup, PrintingFromTheShellKnowsTheDocumentKindsWithoutTheWindow)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer would really print";
    app = std::make_unique<Application>();
    EXPECT_FALSE(app->printDocumentFile(example("invoice-3081-kitchen-leak.vli")));
    ASSERT_EQ(messages.size(), 1u);
    // The file is known for what it is; only the printer is missing.
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("No default printer")))
        << messages[0].text.toStdString();
    EXPECT_EQ(app->mainWindow(), nullptr);
}
