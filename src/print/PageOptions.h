#pragma once

#include "PageSections.h"
#include "foundation/OMString.h"

/// What a view adds to its record when the page is composed.
struct PageOptions
{
    /// The VAT flag the view read when it opened.
    bool vat = false;
    PageSections sections;
    /// Invoices: one row per payment instead of their sum.
    bool showPaymentDetails = false;
    /// The title word: "ESTIMATE", "QUOTE" or "INVOICE".
    ombrel::OMString pageTitle;
    /// Drawn across every page when not empty.
    ombrel::OMString stampText;
};
