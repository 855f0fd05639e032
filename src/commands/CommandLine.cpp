#include "CommandLine.h"

#include "settings/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>

void CommandLine::nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    QCoreApplication::setApplicationVersion(SettingsStore::versionText().toQString());
}

void CommandLine::addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Estimates, quotes and invoices for a small trade business."));
    parser.addOption(
        {QStringLiteral("report"), QStringLiteral("Print what each document comes to.")});
    parser.addOption(
        {QStringLiteral("ledger"),
         QStringLiteral("List every document in the files and folders given (the "
                        "overview's folders when none are): status, totals, ageing.")});
    parser.addOption({QStringLiteral("vat-summary"),
                      QStringLiteral("The VAT of a month (2026-10) or quarter (2026-Q3) from the "
                                     "documents in the files and folders given."),
                      QStringLiteral("PERIOD")});
    parser.addOption({QStringLiteral("basis"),
                      QStringLiteral("With --vat-summary: invoice (the documents dated in the "
                                     "period; the default) or cash (the payments received in it)."),
                      QStringLiteral("BASIS")});
    parser.addOption({QStringLiteral("as-of"),
                      QStringLiteral("With --ledger or --statement: judge what is overdue on "
                                     "this day, not today."),
                      QStringLiteral("YYYY-MM-DD")});
    parser.addOption({QStringLiteral("statement"),
                      QStringLiteral("With --export-pdf: the statement of account of CUSTOMER (a "
                                     "customer number or part of one customer's name) from the "
                                     "documents in the files and folders given."),
                      QStringLiteral("CUSTOMER")});
    parser.addOption({QStringLiteral("from"),
                      QStringLiteral("With --statement: the first day of the statement; what came "
                                     "before is brought forward."),
                      QStringLiteral("YYYY-MM-DD")});
    parser.addOption({QStringLiteral("json"),
                      QStringLiteral("With --report, --ledger or --vat-summary: print JSON "
                                     "instead of a table.")});
    parser.addOption({QStringLiteral("csv"),
                      QStringLiteral("With --ledger or --vat-summary: print CSV instead of a "
                                     "table.")});
    parser.addOption(
        {QStringLiteral("print"),
         QStringLiteral("Print FILE on the default printer without showing the window."),
         QStringLiteral("FILE")});
    parser.addOption(
        {QStringLiteral("export-pdf"),
         QStringLiteral("Write FILE's printed pages to OUT as a PDF, as its preview shows them."),
         QStringLiteral("OUT")});
    parser.addOption(
        {QStringLiteral("sections"),
         QStringLiteral("With --export-pdf: the breakdown tables of an estimate or quote, from "
                        "materials, hire, travel, labour and breakdown, separated by commas."),
         QStringLiteral("LIST")});
    parser.addOption(
        {QStringLiteral("export-einvoice"),
         QStringLiteral(
             "Write the invoice or credit note FILE to OUT as an e-invoice (see --format)."),
         QStringLiteral("OUT")});
    parser.addOption({QStringLiteral("format"),
                      QStringLiteral("With --export-einvoice: ubl (the default) or cii."),
                      QStringLiteral("FORMAT")});
    parser.addOption({QStringLiteral("factur-x"),
                      QStringLiteral("With --export-pdf: a PDF/A-3 with the invoice's e-invoice "
                                     "(CII) embedded.")});
    parser.addOption({QStringLiteral("payment-details"),
                      QStringLiteral("With --export-pdf: list each payment of an invoice.")});
    QCommandLineOption quit(QStringLiteral("quit-after-show"));
    quit.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quit);
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QStringLiteral("Estimates (.vle), quotes (.vlq), invoices (.vli) to open; with "
                       "--ledger or --vat-summary, files and folders."),
        QStringLiteral("[FILE...]"));
}

bool CommandLine::isConsoleOnly(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        for (const char* flag :
             {"--report", "--ledger", "--vat-summary", "--export-pdf", "--export-einvoice",
              "--statement", "--help", "--help-all", "-h", "-?", "--version", "-v"})
            if (argument == QLatin1String(flag) || argument.startsWith(QLatin1String(flag) + u'='))
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
