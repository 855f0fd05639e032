#pragma once

#include <QString>

class JobInvoice;

/**
 * Takes a saved estimate or quote into an invoice: the customer (asking before
 * overwriting one that has a name), a heading and the job description appended
 * to the invoice's description, and the labour, travel, hire and materials
 * lines appended after the existing ones.
 */
class InvoiceImport
{
public:
    struct Options
    {
        bool materialsAsOneLine = false;
        bool hireAsOneLine = false;
    };

    enum Result {
        Imported,
        /// The extension names neither an estimate nor a quote: nothing happened.
        NotAJobFile,
        /// The file could not be read or names another kind: reported, nothing changed.
        Refused,
    };

    static Result importFile(JobInvoice& invoice, const QString& path, const Options& options);
};
