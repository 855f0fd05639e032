#include "ConsoleCommand.h"

#include "CommandLine.h"
#include "DocumentReport.h"
#include "EInvoiceCommand.h"
#include "LedgerCommand.h"
#include "PdfExportCommand.h"
#include "StatementCommand.h"

#include "settings/SettingsReadScope.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

void complain(const QString& message)
{
    std::fprintf(stderr, "vorlane: %s\n", message.toLocal8Bit().constData());
}

/// The exit status of a command that wrote its output or failed with `error`,
/// after its warnings.
int finish(bool written, const QString& error, const QStringList& warnings = {})
{
    for (const QString& warning : warnings)
        complain(warning);
    if (written)
        return 0;
    complain(error);
    return 1;
}

int runReport(const QStringList& files, bool json)
{
    // The settings and today are read once for every file.
    const DocumentReport report(files, FigureInputs::current());
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
    request.facturX = parser.isSet(QStringLiteral("factur-x"));
    QString error;
    QStringList warnings;
    const bool written = PdfExportCommand::run(request, &error, &warnings);
    return finish(written, error, warnings);
}

int runStatement(const QCommandLineParser& parser)
{
    StatementCommand::Request request;
    request.customer = parser.value(QStringLiteral("statement"));
    request.output = parser.value(QStringLiteral("export-pdf"));
    request.paths = parser.positionalArguments();
    request.from = parser.value(QStringLiteral("from"));
    request.asOf = parser.value(QStringLiteral("as-of"));
    if (request.output.isEmpty()) {
        std::fprintf(stderr, "vorlane: --statement CUSTOMER needs --export-pdf OUT\n");
        return 2;
    }
    QString error;
    QStringList warnings;
    const bool written = StatementCommand::run(request, FigureInputs::current(), &error, &warnings);
    return finish(written, error, warnings);
}

int runEInvoice(const QCommandLineParser& parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::fprintf(stderr, "vorlane: --export-einvoice takes exactly one document\n");
        return 2;
    }
    EInvoiceCommand::Request request;
    request.document = files.first();
    request.output = parser.value(QStringLiteral("export-einvoice"));
    request.format = parser.value(QStringLiteral("format"));
    QString error;
    const bool written = EInvoiceCommand::run(request, &error);
    return finish(written, error);
}

int runLedger(const QCommandLineParser& parser)
{
    LedgerCommand::Request request;
    request.paths = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("json")) && parser.isSet(QStringLiteral("csv"))) {
        std::fprintf(stderr, "vorlane: ask for one of --json and --csv\n");
        return 2;
    }
    request.format = parser.isSet(QStringLiteral("json"))  ? LedgerCommand::Request::Json
                     : parser.isSet(QStringLiteral("csv")) ? LedgerCommand::Request::Csv
                                                           : LedgerCommand::Request::Table;
    request.asOf = parser.value(QStringLiteral("as-of"));
    request.vatPeriod = parser.value(QStringLiteral("vat-summary"));
    request.basis = parser.value(QStringLiteral("basis"));
    QString out, err;
    const int status = LedgerCommand::run(request, FigureInputs::current(), &out, &err);
    const QByteArray text = out.toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    const QByteArray errors = err.toLocal8Bit();
    std::fwrite(errors.constData(), 1, size_t(errors.size()), stderr);
    return status;
}

} // namespace

int ConsoleCommand::run(int argc, char* argv[])
{
    const bool exporting =
        hasArgument(argc, argv, "--export-pdf") || hasArgument(argc, argv, "--statement");
    if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = exporting
                                                ? std::make_unique<QGuiApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
    CommandLine::nameApplication();
    // A run reads the settings as they stand when it starts, each file alike.
    const SettingsReadScope settings;
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    CommandLine::addOptions(parser);
    parser.process(*app);
    // One answer a run: a second one asked for would be silently dropped.
    int modes = 0;
    for (const char* mode : {"report", "export-pdf", "export-einvoice", "print"})
        modes += parser.isSet(QLatin1String(mode)) ? 1 : 0;
    // --vat-summary is the ledger's too: "--ledger --vat-summary 2026-Q3" asks once.
    if (parser.isSet(QStringLiteral("ledger")) || parser.isSet(QStringLiteral("vat-summary")))
        ++modes;
    if (modes > 1 || parser.values(QStringLiteral("export-pdf")).size() > 1 ||
        parser.values(QStringLiteral("export-einvoice")).size() > 1) {
        std::fprintf(stderr, "vorlane: ask for one of --report, --ledger, --vat-summary PERIOD, "
                             "--export-pdf OUT, --export-einvoice OUT and --print FILE (see "
                             "--help)\n");
        return 2;
    }
    if (parser.isSet(QStringLiteral("statement")))
        return runStatement(parser);
    if (exporting)
        return runExport(parser);
    if (parser.isSet(QStringLiteral("export-einvoice")))
        return runEInvoice(parser);
    if (parser.isSet(QStringLiteral("ledger")) || parser.isSet(QStringLiteral("vat-summary")))
        return runLedger(parser);
    return runReport(parser.positionalArguments(), parser.isSet(QStringLiteral("json")));
}
