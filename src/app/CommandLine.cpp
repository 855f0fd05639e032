#include "CommandLine.h"

#include <QCommandLineParser>

namespace {

void addOptions(QCommandLineParser& parser)
{
    parser.addOption(
        {QStringLiteral("report"), QStringLiteral("Print what each document comes to.")});
    parser.addOption(
        {QStringLiteral("json"), QStringLiteral("With --report: print JSON instead of a table.")});
    parser.addOption(
        {QStringLiteral("print"),
         QStringLiteral("Print FILE on the default printer without showing the window."),
         QStringLiteral("FILE")});
    QCommandLineOption quit(QStringLiteral("quit-after-show"));
    quit.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quit);
}

} // namespace

bool CommandLine::isConsoleOnly(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        for (const char* flag :
             {"--report", "--export-pdf", "--help", "--help-all", "-h", "-?", "--version", "-v"})
            if (argument == QLatin1String(flag))
                return true;
    }
    return false;
}

bool CommandLine::parse(const QStringList& arguments, CommandLine* result, QString* error)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    result->files = parser.positionalArguments();
    result->printFile = parser.value(QStringLiteral("print"));
    result->quitAfterShow = parser.isSet(QStringLiteral("quit-after-show"));
    return true;
}
