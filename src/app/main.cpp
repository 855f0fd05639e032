#include "app/core/DocumentReport.h"
#include "app/core/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

int runReport(const QStringList& files, bool json)
{
    const DocumentReport report(files);
    const QByteArray text = (json ? report.toJson() : report.toTable()).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return report.hasErrors() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    QCoreApplication::setApplicationVersion(SettingsStore::GetVersionText().toQString());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Estimates, quotes and invoices for a small trade business."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Print what each document comes to."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --report: print JSON instead of a table."));
    parser.addOption(report);
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Estimates (.vle), quotes (.vlq), invoices (.vli)."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);

    if (parser.isSet(report))
        return runReport(parser.positionalArguments(), parser.isSet(json));

    std::fprintf(stderr, "The window is not built yet; use --report FILE... (see --help).\n");
    return 0;
}
