#pragma once

#include "DocumentKind.h"
#include "Reminder.h"
#include "VAT.h"
#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

/// The figures of an estimate or a quote (JobBase::summary).
struct JobFigures
{
    double totalHours = 0;
    uint32_t daysOnSite = 0;
    ombrel::OMMoney labourHoursCost;
    ombrel::OMMoney hoursItemsTotal;
    ombrel::OMMoney labourTotal;
    ombrel::OMMoney travelTimeCost;
    ombrel::OMMoney travelDistanceCost;
    ombrel::OMMoney travelCost;
    ombrel::OMMoney materialsTotal;
    ombrel::OMMoney hireTotal;
    ombrel::OMMoney jobTotal;
    /// With VAT registration: the job total by VAT rate as its invoice would
    /// charge it (labour and travel at the standard rate, materials and hire
    /// lines at their own), ascending by rate; the VAT on it and the total
    /// including VAT. Without: empty, 0 and the job total.
    std::vector<VAT> vatByRate;
    ombrel::OMMoney vat;
    ombrel::OMMoney grossTotal;
};

/// One payment received against a document: the day and the amount (a
/// refund is negative), and the CIS deduction the contractor kept back from
/// it; amount and deduction together count as paid.
struct DocumentPayment
{
    ombrel::OMDate date;
    ombrel::OMMoney amount;
    ombrel::OMMoney cisDeducted;

    ombrel::OMMoney settled() const { return amount + cisDeducted; }
};

/**
 * What any document comes to, whatever its kind: the one shape the report,
 * lists of documents and exports read. Worked out by JobBase::summary from
 * the record and the FigureInputs given; changes nothing.
 *
 * A credit note's figures are signed as what it does to the books: net, the
 * VAT by rate, vat and gross are negative (the amounts credited), paid is
 * minus the refunds paid out, and due (gross − paid) is minus the credit
 * still owed to the customer. Summing the figures of an invoice and of the
 * credit notes whose `corrects` names its `docReference` nets them: a sum of
 * due below zero is a refund due. Summing VAT by period subtracts the note in
 * its own period (its `date`).
 */
struct DocumentSummary
{
    DocumentKind::Id kind = DocumentKind::Estimate;
    uint32_t number = 0;
    /// The document's reference as printed ("3081").
    QString docReference;
    /// The customer's own reference for the job.
    QString reference;
    /// The document date, or the day it was created.
    ombrel::OMDate date;
    /// An invoice's last day to pay; empty for other kinds.
    ombrel::OMDate dueDate;
    /// The customer as an address block names them, lines parted by "\n".
    QString customer;
    /// The customer's number in the customer database; 0 when not in it.
    uint32_t customerNumber = 0;

    ombrel::OMMoney net;
    /// One entry per rate, ascending by rate; empty without VAT.
    std::vector<VAT> vatByRate;
    ombrel::OMMoney vat;
    ombrel::OMMoney gross;
    /// The amounts received plus the CIS deductions taken from them.
    ombrel::OMMoney paid;
    /// gross − paid; negative when a refund is due. Estimates and quotes owe nothing.
    ombrel::OMMoney due;
    bool overdue = false;
    /// The payments received, in the order the document lists them.
    std::vector<DocumentPayment> payments;

    /// A credit note: the figures above are credits (negative).
    bool credit = false;
    /// A credit note's corrected invoice, by its reference as printed ("2401");
    /// empty for other kinds and for a note tied to no invoice.
    QString corrects;
    /// That invoice's date, when the note knows it.
    ombrel::OMDate correctsDate;
    /// When an invoice or credit note was first printed, exported or e-mailed;
    /// empty while it has not been issued, and for other kinds.
    ombrel::OMDate issued;
    /// An invoice or credit note under the domestic reverse charge: vatByRate
    /// and vat are for information, and gross and due leave the VAT out.
    bool reverseCharge = false;
    /// An invoice's payment reminders sent, oldest first.
    std::vector<Reminder> reminders;

    // The Construction Industry Scheme (invoices and credit notes).

    /// The customer is a CIS contractor, who deducts from the labour.
    bool cis = false;
    /// The net of the lines CIS applies to (all but materials), as the
    /// customer is a contractor or not.
    ombrel::OMMoney cisLabour;
    /// The deduction expected at the customer's rate; 0 unless `cis`.
    ombrel::OMMoney cisExpected;
    /// The deductions recorded with the payments (counted in `paid`).
    ombrel::OMMoney cisDeducted;

    /// The VAT charged to the customer: none under the reverse charge.
    ombrel::OMMoney vatCharged() const { return reverseCharge ? ombrel::OMMoney() : vat; }

    /// An estimate's or a quote's figures; none for an invoice.
    std::optional<JobFigures> job;
};
