#pragma once

#include "foundation/OMString.h"

class GPage;
class JobInvoice;
class TextStyles;
struct PageFonts;
struct PageOptions;

/// The body of a printed invoice: address block, then one table of the lines,
/// the subtotal, the VAT analysis, the payments, the amount due and the terms.
class InvoicePage
{
public:
    /// Works the invoice's totals out again with the view's VAT flag first.
    static void composePage(GPage& page, const JobInvoice& invoice, const PageOptions& options,
                            const TextStyles& styles, const PageFonts& fonts);
    /// "OVERDUE" for an overdue invoice, else empty: the stamp its pages carry.
    static ombrel::OMString stampText(const JobInvoice& invoice, bool vat);
};
