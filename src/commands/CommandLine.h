#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

/**
 * What the program was started to do in its window: open files, print one
 * without showing the window, or (for measurements) quit once the window is up.
 */
struct CommandLine
{
    QStringList files;
    QString printFile;
    bool quitAfterShow = false;

    /// Names the program (organisation, name and version) for its settings
    /// and --version; once the application object exists.
    static void nameApplication();
    /// Whether `arguments` ask for a console answer only (--report, --export-pdf,
    /// --help, --version), which ConsoleCommand gives without the window.
    static bool isConsoleOnly(const QStringList& arguments);
    /// Every option of the program, for the window's parser and the terminal's.
    static void addOptions(QCommandLineParser& parser);
    /// Parses the program's arguments (the first is the program); false with
    /// `error` set for an unknown option.
    static bool parse(const QStringList& arguments, CommandLine* result, QString* error);
};
