#pragma once

#include "foundation/OMString.h"

#include <QStringList>

class GPage;
class JobInvoice;
struct InvoiceTotals;
class TextStyles;
struct PageFonts;
struct PageOptions;

/// The body of a printed invoice: address block, then one table of the lines,
/// the subtotal, the VAT analysis, the payments, the amount due and the terms
/// with the due date; below it the bank details while an amount is due.
class InvoicePage
{
public:
    /// Works the invoice's totals out again with the view's VAT flag first.
    static void composePage(GPage& page, const JobInvoice& invoice, const PageOptions& options,
                            const TextStyles& styles, const PageFonts& fonts);
    /// The stamp its pages carry: "PAID" for a settled invoice, "OVERDUE" for
    /// an overdue one, else empty.
    static ombrel::OMString stampText(const JobInvoice& invoice, bool vat);
    /// Paid in full: something was paid and nothing is due.
    static bool isSettled(const InvoiceTotals& totals);
    /// "Payment due by 6 January 2027."; empty for an invoice without a date.
    static ombrel::OMString dueByText(const JobInvoice& invoice);
    /// The business's bank account and payment instructions as printed, one
    /// entry a line; empty when none is set.
    static QStringList bankDetails();
};
