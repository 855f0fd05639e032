#pragma once

#include "records/Job.h"

#include <QString>
#include <memory>

class JobInvoice;

/**
 * Takes an estimate or quote into an invoice: the customer, a heading and
 * the job description appended to the invoice's description, and the labour,
 * travel, hire and materials lines appended after the existing ones.
 *
 * The source is a saved file (File, Import) or a record in memory (New
 * Invoice from This). The window reads the file first, then asks before
 * replacing a customer that has a name (wouldReplaceCustomer()), and passes
 * the answer on:
 *
 *     InvoiceImport import;                 // or InvoiceImport import(job);
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

    InvoiceImport() = default;
    /// Takes `source` as it stands in memory; it must outlive the import and
    /// is never changed. Its lines keep their VAT rates, as a record just
    /// saved would: the invoice comes out as the one a saved copy gives.
    explicit InvoiceImport(const Job& source);

    /// Reads the estimate or quote at `path`, in place of any source before;
    /// Imported when it was read.
    Result read(const QString& path, QString* error);
    /// Whether taking the source in would replace a customer with a name.
    static bool wouldReplaceCustomer(const JobInvoice& invoice);
    /// The source as a user names it ("Estimate 1001"); empty before one is read.
    QString sourceName() const;
    /// Takes the source read into `invoice`.
    void applyTo(JobInvoice& invoice, const Options& options) const;

    /// read() and applyTo() in one.
    static Result importFile(JobInvoice& invoice, const QString& path, const Options& options,
                             QString* error = nullptr);

private:
    /// The record read(), which m_source then points to.
    std::unique_ptr<Job> m_read;
    const Job* m_source = nullptr;
    /// Lines stand as the VAT registration has them now, whatever the record says.
    bool m_ratesCurrent = false;
};
