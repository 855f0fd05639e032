#pragma once

#include "foundation/OMString.h"

/// The View menu's choice of breakdown tables on an estimate or quote.
struct SectionFlags
{
    bool materials = false;
    bool hire = false;
    bool travel = false;
    bool labour = false;
    /// Detailed labour breakdown; printed only with `labour`.
    bool breakdown = false;
};

/// What a view adds to its record when the page is composed.
struct PageOptions
{
    /// The VAT flag the view read when it opened.
    bool vat = false;
    SectionFlags sections;
    /// Invoices: one row per payment instead of their sum.
    bool showPaymentDetails = false;
    /// The title word: "ESTIMATE", "QUOTE" or "INVOICE".
    ombrel::OMString pageTitle;
    /// Drawn across every page when not empty.
    ombrel::OMString stampText;
};
