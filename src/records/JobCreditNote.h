#pragma once

#include "JobInvoice.h"

#include <optional>
#include <vector>

/**
 * A credit note: lines with their VAT rates, as an invoice has, crediting
 * the customer for an invoice it corrects (that invoice's reference and
 * date, in the file's "[corrects]" section). The lines hold the amounts
 * credited as positive figures; its summary gives them as credits (see
 * DocumentSummary::credit). Payments on a credit note are refunds paid out.
 */
class JobCreditNote : public JobInvoice
{
public:
    JobCreditNote();
    JobCreditNote(const JobCreditNote& other) = default;
    JobCreditNote& operator=(const JobCreditNote& other) = default;

    void reset() override;
    void readValue(const ombrel::OMString& section, const ombrel::OMString& key,
                   const ombrel::OMString& value) override;
    DocumentSummary summary(const FigureInputs& inputs) const override;
    /// `other` is a credit note.
    void copyFrom(const JobBase& other) override;

    /// Ties the note to `invoice`: its reference and date, its customer and
    /// the customer's reference. No lines are taken.
    void tieTo(const JobInvoice& invoice);
    /// What to credit of one line of an invoice: the whole line, or a net
    /// amount (before VAT) at the line's VAT rate.
    struct Choice
    {
        /// The line's index in the invoice's items.
        int line = 0;
        /// Empty: the whole line, its quantity and unit price as invoiced.
        std::optional<ombrel::OMMoney> amount;
    };
    /// Ties the note to `invoice` and adds a line for each choice, in the
    /// order given (choices naming no line of the invoice are passed over).
    void credit(const JobInvoice& invoice, const std::vector<Choice>& choices);
    /// Every line of `invoice`, whole.
    static std::vector<Choice> wholeInvoice(const JobInvoice& invoice);

    /// "Credit note for invoice 2401 of 8 October 2026" (without the date
    /// when it is not known): the note's reference line on its page; empty
    /// while tied to no invoice.
    ombrel::OMString correctsText() const;

    /// The corrected invoice's reference as printed on it ("2401").
    ombrel::OMString invoiceReference;
    /// The corrected invoice's date; empty when not known.
    ombrel::OMDate invoiceDate;

protected:
    void writeOwnSections(Archive& archive) override;
};
