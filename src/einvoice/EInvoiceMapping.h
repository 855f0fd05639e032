#pragma once

#include "EInvoice.h"

#include <QString>

class JobInvoice;
struct DocumentSummary;

/**
 * The one place our fields become the e-invoice's business terms (the table
 * is in docs/EINVOICE.md): an invoice or credit note, its DocumentSummary
 * and the business's details give an EInvoice, which the UBL and CII writers
 * only put into their syntax. The totals are the summary's, so the XML comes
 * to what the page and `--report` say.
 */
class EInvoiceMapping
{
public:
    /// The business's side of every e-invoice.
    struct Business
    {
        QString name;
        /// Lines parted by "\n" or "\r\n", as the options keep them.
        QString address;
        QString country;
        bool vatRegistered = false;
        QString vatNumber;
        QString companyNumber;
        QString email;
        QString phone;
        QString currency;
        QString accountName;
        QString sortCode;
        QString accountNumber;
        QString iban;
        QString bic;

        /// The options as they stand now.
        static Business fromSettings();
    };

    /**
     * Fills `out` from `record` (an invoice or a credit note), its `summary`
     * and `business`. False, with the message naming every missing field and
     * where to fill it in `error`, when the e-invoice would lack something
     * the rules require; `out` is then left as it was.
     */
    static bool map(const JobInvoice& record, const DocumentSummary& summary,
                    const Business& business, EInvoice* out, QString* error = nullptr);

    /// The UN/ECE unit code a line's description implies (see docs/EINVOICE.md);
    /// "C62" (one) when it names no unit.
    static QString unitCode(const QString& description);
    /// A VAT number without blanks, with `country`'s prefix put before it when
    /// it starts with a digit (Greece's prefix is "EL").
    static QString vatNumberWithPrefix(const QString& number, const QString& country);
};
