#include "PdfExportCommand.h"

#include "documents/JobFileReader.h"
#include "einvoice/EInvoiceExport.h"
#include "print/PageOptions.h"
#include "print/PdfExport.h"
#include "print/PrintedPage.h"
#include "print/TextStyles.h"
#include "records/JobBase.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

bool parseSections(const QString& list, PageSections& flags, QString& error)
{
    static const std::pair<QLatin1String, PageSection> names[] = {
        {QLatin1String("materials"), PageSection::Materials},
        {QLatin1String("hire"), PageSection::Hire},
        {QLatin1String("travel"), PageSection::Travel},
        {QLatin1String("labour"), PageSection::Labour},
        {QLatin1String("breakdown"), PageSection::LabourBreakdown},
    };
    for (const QString& raw : list.split(u',', Qt::SkipEmptyParts)) {
        const QString name = raw.trimmed().toLower();
        const auto found = std::find_if(std::begin(names), std::end(names),
                                        [&](const auto& entry) { return entry.first == name; });
        if (found == std::end(names)) {
            error = QStringLiteral("Unknown section \"%1\": choose from materials, hire, travel, "
                                   "labour and breakdown.")
                        .arg(raw.trimmed());
            return false;
        }
        flags |= found->second;
    }
    return true;
}

// A terminal takes control characters for commands: they show as "?". The
// message's own line breaks stay; those of the paths in it do not.
QString shownOnTerminal(QString message, const PdfExportCommand::Request& request)
{
    const auto controlsShown = [](QString text, bool keepLineBreaks) {
        for (QChar& ch : text)
            if (ch.category() == QChar::Other_Control && !(keepLineBreaks && ch == u'\n'))
                ch = u'?';
        return text;
    };
    for (const QString& path : {request.document, request.output})
        if (!path.isEmpty())
            message.replace(path, controlsShown(path, false));
    return controlsShown(message, true);
}

QString exportPdf(const PdfExportCommand::Request& request, QStringList& warnings)
{
    PageOptions options;
    QString error;
    if (!parseSections(request.sections, options.sections, error))
        return error;
    options.vat = SettingsStore::isVATRegistered();
    options.showPaymentDetails =
        request.paymentDetails.value_or(SettingsStore::isSet(SettingKeys::ShowAllInvoicePayments));

    if (const ombrel::OMString refusal =
            PdfExport::overwriteRefusal(request.output, request.document);
        !refusal.isEmpty())
        return refusal.toQString();

    const std::unique_ptr<JobBase> record = JobFileReader::load(request.document, &error);
    if (!record)
        return error;

    if (request.facturX) {
        if (!EInvoiceExport::canExport(*record))
            return QStringLiteral(
                "Only invoices and credit notes can be exported with --factur-x.");
        if (!EInvoiceExport::writePdf(*record, options, request.output, &error, &warnings))
            return error;
        return {};
    }
    TextStyles styles;
    styles.loadStyles();
    PrintedPage printed(styles);
    printed.compose(*record, options);
    warnings = printed.warnings();
    if (!PdfExport::write(printed, request.output, &error, PdfExport::metadataFor(*record)))
        return error;
    return {};
}

} // namespace

bool PdfExportCommand::run(const Request& request, QString* error, QStringList* warnings)
{
    QStringList leftOut;
    const QString message = exportPdf(request, leftOut);
    if (warnings) {
        for (const QString& warning : std::as_const(leftOut))
            warnings->append(shownOnTerminal(warning, request));
    }
    if (message.isEmpty())
        return true;
    if (error)
        *error = shownOnTerminal(message, request);
    return false;
}
