#pragma once

#include "VAT.h"
#include "foundation/OMArray.h"
#include "foundation/OMMoney.h"

/// What an invoice comes to with or without VAT: worked out from its lines and
/// payments without changing the invoice (JobInvoice::totals).
struct InvoiceTotals
{
    /// One entry per rate, ascending by rate; empty without VAT.
    ombrel::OMArray<VAT> vatSummary;
    ombrel::OMMoney netTotal;
    /// The net plus the VAT of every rate; the net without VAT.
    ombrel::OMMoney grossTotal;
    ombrel::OMMoney totalPaid;

    /// grossTotal − totalPaid; negative when a refund is due.
    ombrel::OMMoney amountDue() const { return grossTotal - totalPaid; }
};
