#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class JobBase;
class DocumentKind;
struct FigureInputs;
struct PageOptions;

/**
 * An invoice or credit note as an e-invoice: the XML (UBL or CII) or the
 * printed PDF with the CII inside. Everything the rules need is checked
 * before anything is written; the message names what to fill in and where.
 * Files are replaced atomically.
 */
class EInvoiceExport
{
public:
    /// The order of the "EInvoiceFormat" setting and of the window's choice.
    enum Format { Ubl = 0, Cii = 1, FacturXPdf = 2 };

    /// "ubl", "cii" or "factur-x" (any case); none for anything else.
    static std::optional<Format> formatNamed(const QString& name);
    /// ".xml" or ".pdf".
    static QString suffix(Format format);
    /// Whether `record` is of a kind that can be an e-invoice (invoices and credit notes).
    static bool canExport(const JobBase& record);
    static bool canExport(const DocumentKind& kind);

    /// The XML of `record` in `format` (UBL or CII), mapped with `inputs`
    /// and the business's options as they stand.
    static bool xml(const JobBase& record, Format format, const FigureInputs& inputs,
                    QByteArray* out, QString* error = nullptr);
    /// Writes the XML of `record` in `format` (UBL or CII) to `path`.
    static bool writeXml(const JobBase& record, Format format, const QString& path,
                         QString* error = nullptr);
    /// Writes `record`'s printed pages (as `options` choose them) to `path`
    /// as a PDF/A-3 with its CII embedded; `warnings` as PdfExport gives them.
    static bool writePdf(const JobBase& record, const PageOptions& options, const QString& path,
                         QString* error = nullptr, QStringList* warnings = nullptr);
};
