#include "app/CommandLine.h"
#include "app/InstanceChannel.h"
#include "app/MessageBoxHandler.h"
#include "app/VorlaneApp.h"
#include "app/core/DocumentReport.h"
#include "app/core/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>

namespace {

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    QCoreApplication::setApplicationVersion(SettingsStore::GetVersionText().toQString());
}

int runReport(const QStringList& files, bool json)
{
    const DocumentReport report(files);
    const QByteArray text = (json ? report.toJson() : report.toTable()).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return report.hasErrors() ? 1 : 0;
}

/// --report, --help and --version answer on the terminal and need no display.
int runConsole(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Estimates, quotes and invoices for a small trade business."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Print what each document comes to."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --report: print JSON instead of a table."));
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Print FILE on the default printer without showing the window."),
        QStringLiteral("FILE"));
    parser.addOption(report);
    parser.addOption(json);
    parser.addOption(print);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Estimates (.vle), quotes (.vlq), invoices (.vli) to open."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);
    return runReport(parser.positionalArguments(), parser.isSet(json));
}

QStringList handOverRequests(const CommandLine& commandLine)
{
    QStringList requests;
    if (!commandLine.printFile.isEmpty())
        requests.append(InstanceChannel::printRequest(QFileInfo(commandLine.printFile).absoluteFilePath()));
    for (const QString& file : commandLine.files)
        requests.append(InstanceChannel::openRequest(QFileInfo(file).absoluteFilePath()));
    return requests;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::isConsoleOnly(arguments))
        return runConsole(argc, argv);

    QApplication app(argc, argv);
    nameApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/vorlane.svg")));

    CommandLine commandLine;
    QString error;
    if (!CommandLine::parse(QCoreApplication::arguments(), &commandLine, &error)) {
        std::fprintf(stderr, "vorlane: %s (see --help)\n", qPrintable(error));
        return 2;
    }
    // A program already running takes the files; this start is then done.
    const QStringList requests = handOverRequests(commandLine);
    if (!requests.isEmpty() && !commandLine.quitAfterShow && InstanceChannel::handOver(requests))
        return 0;

    MessageBoxHandler::install();
    VorlaneApp vorlane;
    if (!commandLine.printFile.isEmpty())
        return vorlane.PrintDocumentFile(commandLine.printFile) ? 0 : 1;
    if (!vorlane.InitInstance(commandLine))
        return 1;
    if (commandLine.quitAfterShow) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return app.exec();
    }
    vorlane.listenForOtherStarts();
    return app.exec();
}
