#include "app/CommandLine.h"
#include "app/InstanceChannel.h"
#include "app/MessageBoxHandler.h"
#include "app/VorlaneApp.h"
#include "commands/DocumentReport.h"
#include "commands/PdfExportCommand.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <memory>

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

bool hasArgument(int argc, char* argv[], const char* wanted)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--") == 0)
            break;
        if (qstrcmp(argv[i], wanted) == 0 ||
            QByteArray(argv[i]).startsWith(QByteArray(wanted) + '='))
            return true;
    }
    return false;
}

int runExport(const QCommandLineParser& parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::fprintf(stderr, "vorlane: --export-pdf takes exactly one document\n");
        return 2;
    }
    PdfExportCommand::Request request;
    request.document = files.first();
    request.output = parser.value(QStringLiteral("export-pdf"));
    request.sections = parser.value(QStringLiteral("sections"));
    if (parser.isSet(QStringLiteral("payment-details")))
        request.paymentDetails = true;
    QString error;
    QStringList warnings;
    const bool written = PdfExportCommand::run(request, &error, &warnings);
    for (const QString& warning : std::as_const(warnings))
        std::fprintf(stderr, "vorlane: %s\n", warning.toLocal8Bit().constData());
    if (written)
        return 0;
    std::fprintf(stderr, "vorlane: %s\n", error.toLocal8Bit().constData());
    return 1;
}

/// --report, --export-pdf, --help and --version answer on the terminal and
/// need no display; composing a page needs fonts, so --export-pdf runs a
/// headless GUI application.
int runConsole(int argc, char* argv[])
{
    const bool exporting = hasArgument(argc, argv, "--export-pdf");
    if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = exporting
                                                ? std::make_unique<QGuiApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    CommandLine::addOptions(parser);
    parser.process(*app);
    // One answer a run: a second one asked for would be silently dropped.
    int modes = 0;
    for (const char* mode : {"report", "export-pdf", "print"})
        modes += parser.isSet(QLatin1String(mode)) ? 1 : 0;
    if (modes > 1 || parser.values(QStringLiteral("export-pdf")).size() > 1) {
        std::fprintf(stderr, "vorlane: ask for one of --report, --export-pdf OUT and --print FILE "
                             "(see --help)\n");
        return 2;
    }
    if (exporting)
        return runExport(parser);
    return runReport(parser.positionalArguments(), parser.isSet(QStringLiteral("json")));
}

QStringList handOverRequests(const CommandLine& commandLine)
{
    QStringList requests;
    if (!commandLine.printFile.isEmpty())
        requests.append(
            InstanceChannel::printRequest(QFileInfo(commandLine.printFile).absoluteFilePath()));
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
    MessageBoxHandler::install();
    VorlaneApp vorlane;
    // A program already running takes the files, and this start is then done;
    // otherwise this one serves later starts (a run that prints or only shows
    // itself and quits serves none).
    if (!commandLine.quitAfterShow) {
        const bool serve = commandLine.printFile.isEmpty();
        switch (vorlane.instanceChannel().handOverOrListen(handOverRequests(commandLine), serve)) {
        case InstanceChannel::HandOver::Delivered:
            return 0;
        case InstanceChannel::HandOver::Refused:
            std::fprintf(stderr, "vorlane: the Vorlane already running did not take the files\n");
            return 1;
        case InstanceChannel::HandOver::NoProgram:
            break;
        }
    }
    if (!commandLine.printFile.isEmpty())
        return vorlane.PrintDocumentFile(commandLine.printFile) ? 0 : 1;
    if (!vorlane.InitInstance(commandLine))
        return 1;
    if (commandLine.quitAfterShow)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
