#include "EInvoiceCommand.h"

#include "documents/JobFileReader.h"
#include "einvoice/EInvoiceExport.h"
#include "print/PdfExport.h"
#include "records/JobBase.h"

#include <memory>

bool EInvoiceCommand::run(const Request& request, QString* error)
{
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const std::optional<EInvoiceExport::Format> format = EInvoiceExport::formatNamed(
        request.format.isEmpty() ? QStringLiteral("ubl") : request.format);
    if (!format || *format == EInvoiceExport::FacturXPdf)
        return fail(QStringLiteral("Unknown e-invoice format \"%1\": choose ubl or cii (for a PDF, "
                                   "--export-pdf OUT.pdf --factur-x).")
                        .arg(request.format));
    if (const ombrel::OMString refusal =
            PdfExport::overwriteRefusal(request.output, request.document);
        !refusal.isEmpty())
        return fail(refusal.toQString());
    QString message;
    const std::unique_ptr<JobBase> record = JobFileReader::load(request.document, &message);
    if (!record)
        return fail(message);
    if (!EInvoiceExport::canExport(*record))
        return fail(
            QStringLiteral("Only invoices and credit notes can be exported as e-invoices."));
    if (!EInvoiceExport::writeXml(*record, *format, request.output, &message))
        return fail(message);
    return true;
}
