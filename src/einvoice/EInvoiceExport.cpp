#include "EInvoiceExport.h"

#include "CiiWriter.h"
#include "EInvoiceMapping.h"
#include "FacturX.h"
#include "UblWriter.h"
#include "fileformat/TextFile.h"
#include "print/PageOptions.h"
#include "print/PdfExport.h"
#include "print/PrintedPage.h"
#include "print/TextStyles.h"
#include "records/DocumentKind.h"
#include "records/FigureInputs.h"
#include "records/JobInvoice.h"

std::optional<EInvoiceExport::Format> EInvoiceExport::formatNamed(const QString& name)
{
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("ubl"))
        return Ubl;
    if (key == QLatin1String("cii"))
        return Cii;
    if (key == QLatin1String("factur-x"))
        return FacturXPdf;
    return std::nullopt;
}

QString EInvoiceExport::suffix(Format format)
{
    return format == FacturXPdf ? QStringLiteral(".pdf") : QStringLiteral(".xml");
}

bool EInvoiceExport::canExport(const JobBase& record)
{
    return dynamic_cast<const JobInvoice*>(&record) != nullptr;
}

bool EInvoiceExport::canExport(const DocumentKind& kind)
{
    const std::unique_ptr<JobBase> record = kind.createRecord();
    return record && canExport(*record);
}

bool EInvoiceExport::xml(const JobBase& record, Format format, const FigureInputs& inputs,
                         QByteArray* out, QString* error)
{
    const auto* invoice = dynamic_cast<const JobInvoice*>(&record);
    if (!invoice) {
        if (error)
            *error =
                QStringLiteral("Only invoices and credit notes can be exported as e-invoices.");
        return false;
    }
    EInvoice e;
    if (!EInvoiceMapping::map(*invoice, invoice->summary(inputs),
                              EInvoiceMapping::Business::fromSettings(), &e, error))
        return false;
    *out = format == Ubl ? UblWriter::write(e) : CiiWriter::write(e);
    return true;
}

bool EInvoiceExport::writeXml(const JobBase& record, Format format, const QString& path,
                              QString* error)
{
    QByteArray bytes;
    if (!xml(record, format == FacturXPdf ? Cii : format, FigureInputs::current(), &bytes, error))
        return false;
    return TextFile::save(path, bytes, error);
}

bool EInvoiceExport::writePdf(const JobBase& record, const PageOptions& options,
                              const QString& path, QString* error, QStringList* warnings)
{
    QByteArray cii;
    if (!xml(record, Cii, FigureInputs::current(), &cii, error))
        return false;
    TextStyles styles;
    styles.loadStyles();
    PrintedPage printed(styles);
    printed.compose(record, options);
    if (warnings)
        *warnings = printed.warnings();
    PdfExport::Metadata metadata = PdfExport::metadataFor(record);
    metadata.finish = [&cii](QByteArray& pdf, QString* reason) {
        return FacturX::embed(pdf, cii, reason);
    };
    return PdfExport::write(printed, path, error, metadata);
}
