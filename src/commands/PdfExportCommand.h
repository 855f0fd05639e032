#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/**
 * `vorlane --export-pdf OUT.pdf [--sections LIST] [--payment-details] [--factur-x] FILE`:
 * composes the document as its preview would (the sections chosen as the View
 * menu would, an overdue invoice with its stamp) and writes it as a PDF on the
 * locale's paper. Nothing is left behind on failure.
 */
class PdfExportCommand
{
public:
    struct Request
    {
        QString document;
        QString output;
        /// Comma-separated: materials, hire, travel, labour, breakdown.
        QString sections;
        /// Unset: the "ShowAllInvoicePayments" setting decides.
        std::optional<bool> paymentDetails;
        /// A PDF/A-3 with the document's e-invoice (CII) embedded.
        bool facturX = false;
    };

    /// False, with the message to show in `error`, when no PDF was written;
    /// `warnings` (if given) gets what the page left out (a logo that cannot
    /// be used). Control characters of the paths in messages show as "?".
    static bool run(const Request& request, QString* error, QStringList* warnings = nullptr);
};
