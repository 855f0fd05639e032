#pragma once

#include <QString>
#include <optional>

/**
 * `vorlane --export-pdf OUT.pdf [--sections LIST] [--payment-details] FILE`:
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
    };

    /// Empty on success, else the message to show; control characters of
    /// the paths in it show as "?".
    static QString run(const Request& request);
};
