#pragma once

#include "records/Job.h"

#include <QString>
#include <memory>

class JobInvoice;

/**
 * Takes a saved estimate or quote into an invoice: the customer, a heading
 * and the job description appended to the invoice's description, and the
 * labour, travel, hire and materials lines appended after the existing ones.
 *
 * The window reads the file first, then asks before replacing a customer
 * that has a name (wouldReplaceCustomer()), and passes the answer on:
 *
 *     InvoiceImport import;
 *     if (import.read(path, &error) != InvoiceImport::Imported) ...
 *     options.replaceNamedCustomer = !import.wouldReplaceCustomer(invoice) || userSaysYes;
 *     import.applyTo(invoice, options);
 */
class InvoiceImport
{
public:
    struct Options
    {
        bool materialsAsOneLine = false;
        bool hireAsOneLine = false;
        /// Take the source's customer even over one that has a name.
        bool replaceNamedCustomer = false;
    };

    enum Result {
        Imported,
        /// The extension names neither an estimate nor a quote: nothing happened.
        NotAJobFile,
        /// The file could not be read or names another kind (the message in
        /// `error`): nothing changed.
        Refused,
    };

    /// Reads the estimate or quote at `path`; Imported when it was read.
    Result read(const QString& path, QString* error);
    /// Whether taking the source in would replace a customer with a name.
    static bool wouldReplaceCustomer(const JobInvoice& invoice);
    /// Takes the source read into `invoice`.
    void applyTo(JobInvoice& invoice, const Options& options) const;

    /// read() and applyTo() in one.
    static Result importFile(JobInvoice& invoice, const QString& path, const Options& options,
                             QString* error = nullptr);

private:
    std::unique_ptr<Job> m_source;
};
