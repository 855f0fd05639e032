#pragma once

#include "app/Application.h"
#include "app/CommandActions.h"
#include "app/CommandDialogs.h"
#include "app/DocumentWindow.h"
#include "app/MainWindow.h"
#include "commands/CommandLine.h"
#include "documents/Document.h"
#include "settings/RecentFileList.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QSettings>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

/// Answers the commands' questions from scripts instead of dialogs.
class ScriptedDialogs : public CommandDialogs
{
public:
    QString openAnswer;
    QString saveAnswer;
    int newKindAnswer = -1;
    QStringList offeredKinds;
    QString offeredSaveFilter;
    QString offeredSavePath;

    QString importAnswer;
    QString offeredImportFilter;
    bool importOptionsAnswer = true;
    InvoiceImport::Options importOptionsChosen;
    InvoiceImport::Options importOptionsOffered;

    QString openPath(QWidget*) override { return openAnswer; }
    QString importPath(QWidget*, const QString& filter) override
    {
        offeredImportFilter = filter;
        return importAnswer;
    }
    bool importOptions(QWidget*, InvoiceImport::Options& options) override
    {
        importOptionsOffered = options;
        options = importOptionsChosen;
        return importOptionsAnswer;
    }
    QString savePath(QWidget*, const QString& filter, const QString& suggested) override
    {
        offeredSaveFilter = filter;
        offeredSavePath = suggested;
        return saveAnswer;
    }
    int chooseNewKind(QWidget*, const QStringList& kinds) override
    {
        offeredKinds = kinds;
        return newKindAnswer;
    }
    /// File, Export as E-invoice: the format chosen; cancelled when -1.
    int eInvoiceFormatAnswer = -1;
    int offeredEInvoiceFormat = -1;
    int chooseEInvoiceFormat(QWidget*, const QStringList&, int current) override
    {
        offeredEInvoiceFormat = current;
        return eInvoiceFormatAnswer;
    }

    /// Plays the user's part in the options sheet or the wizard; cancelled when unset.
    std::function<int(QDialog&)> settingsDialogAnswer;
    int settingsDialogRuns = 0;
    int runSettingsDialog(QDialog& dialog) override
    {
        ++settingsDialogRuns;
        return settingsDialogAnswer ? settingsDialogAnswer(dialog) : 0;
    }

    /// New Credit Note from This: the lines to credit; cancelled when empty.
    std::vector<JobCreditNote::Choice> creditAnswer;
    bool creditChoices(QWidget*, const JobInvoice&,
                       std::vector<JobCreditNote::Choice>& choices) override
    {
        choices = creditAnswer;
        return !creditAnswer.empty();
    }
};

/// A started program over empty settings, with every message captured.
class WindowTest : public ::testing::Test
{
protected:
    struct Message
    {
        QString text;
        MessageHook::Icon icon;
    };

    std::vector<Message> messages;
    /// Answer to the next questions; Ok boxes always get Ok.
    MessageHook::Answer answer = MessageHook::AnswerNo;
    /// Runs inside each message box, while it is "open".
    std::function<void()> whileShown;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<Application> app;

    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        SettingsStore::set(SettingKeys::Splash, 0);
        MessageHook::setHandler(
            [this](const QString& text, MessageHook::Icon icon, MessageHook::Buttons buttons) {
                messages.push_back({text, icon});
                if (whileShown)
                    whileShown();
                return buttons == MessageHook::Ok ? MessageHook::AnswerOk : answer;
            });
    }

    void TearDown() override
    {
        if (app && app->mainWindow())
            app->mainWindow()->close();
        app.reset();
        MessageHook::setHandler({});
        QApplication::processEvents();
    }

    /// Marks the first run as done, so start-up shows no message.
    static void skipFirstRun()
    {
        SettingsStore::set(SettingKeys::Mode, int32_t(SettingKeys::FirstRunDone));
    }

    bool start(const QStringList& files = {})
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        app = std::make_unique<Application>(std::move(scripted));
        CommandLine commandLine;
        commandLine.files = files;
        return app->start(commandLine);
    }

    void trigger(int command) { app->commands().action(command)->trigger(); }
    QAction* action(int command) const { return app->commands().action(command); }

    QStringList frameTitles() const
    {
        QStringList titles;
        for (DocumentWindow* frame : app->mainWindow()->documentWindows())
            titles.append(frame->document().title());
        return titles;
    }

    static QString example(const char* name)
    {
        return qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/" + name;
    }
};
