#pragma once

#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"
#include "records/Percentage.h"

#include <QString>
#include <vector>

class Ledger;

/**
 * The VAT of a period for the accountant, by rate, from the documents that
 * bill. On the invoice basis: the net and VAT of the documents dated in the
 * period. On the cash basis: the share of each payment received in the
 * period that pays for net and for VAT, in the proportions of its document
 * (a refund takes its share back). Shares are worked out on the running total
 * paid, so the payments of a document paid in full come to its VAT exactly,
 * and what is paid beyond its gross carries no VAT. Sales under the domestic
 * reverse charge count net only, on a line of their own (the customer
 * accounts for their VAT); a CIS deduction counts as paid with its payment.
 */
class VatSummary
{
public:
    enum Basis { InvoiceBasis, CashBasis };

    struct Line
    {
        /// False for the net of documents charged without VAT.
        bool hasRate = true;
        /// The net of sales under the domestic reverse charge (no rate, no VAT).
        bool reverseCharge = false;
        Percentage rate;
        ombrel::OMMoney net;
        ombrel::OMMoney vat;
    };

    /// The first and last day of "2026-10" (a month) or "2026-Q3" (a
    /// quarter); false with the reason for any other text.
    static bool parsePeriod(const QString& text, ombrel::OMDate* first, ombrel::OMDate* last,
                            QString* error);
    /// Basis from "invoice" or "cash"; false for any other text.
    static bool parseBasis(const QString& text, Basis* basis);

    VatSummary(const Ledger& ledger, const ombrel::OMDate& first, const ombrel::OMDate& last,
               Basis basis);

    /// One line per rate, ascending; the line without VAT first and the
    /// reverse charge's next, when there are.
    const std::vector<Line>& lines() const { return m_lines; }
    ombrel::OMMoney net() const;
    ombrel::OMMoney vat() const;
    /// The documents that brought something into the period.
    int documents() const { return m_documents; }
    Basis basis() const { return m_basis; }
    const ombrel::OMDate& first() const { return m_first; }
    const ombrel::OMDate& last() const { return m_last; }

    QString toTable() const;
    QString toJson() const;
    QString toCsv() const;

private:
    Line& lineFor(bool hasRate, Percentage rate, bool reverseCharge = false);
    bool inPeriod(const ombrel::OMDate& day) const;

    ombrel::OMDate m_first, m_last;
    Basis m_basis;
    std::vector<Line> m_lines;
    int m_documents = 0;
};
