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
    /// The amounts received plus the CIS deductions recorded with them.
    ombrel::OMMoney totalPaid;

    /// grossTotal − totalPaid; negative when a refund is due.
    ombrel::OMMoney amountDue() const { return grossTotal - totalPaid; }

    // The domestic reverse charge and the Construction Industry Scheme.

    /// Under the reverse charge: vatSummary is for information, and
    /// grossTotal is the net (the customer accounts for the VAT).
    bool reverseCharge = false;
    /// The customer is a CIS contractor: cisExpected is taken off what they pay.
    bool cis = false;
    /// The customer's deduction rate in percent.
    int cisRate = 0;
    /// The net of the lines CIS applies to (all but materials).
    ombrel::OMMoney cisLabour;
    /// The deduction the contractor is to take at the customer's rate;
    /// 0 for a customer who is no contractor.
    ombrel::OMMoney cisExpected;
    /// The deductions recorded with the payments (part of totalPaid).
    ombrel::OMMoney cisDeducted;

    /// What the contractor is to pay in money: the gross less the deduction.
    ombrel::OMMoney netPayment() const { return grossTotal - cisExpected; }
};
