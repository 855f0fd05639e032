#pragma once

#include "Customer.h"
#include "InvoiceTotals.h"
#include "JobBase.h"
#include "Percentage.h"
#include "Reminder.h"
#include "VAT.h"
#include "foundation/OMArray.h"
#include "foundation/OMBool.h"
#include "foundation/OMList.h"
#include "foundation/OMMoney.h"
#include "foundation/OMUInt32.h"

#include <vector>

/// An invoice: free priced lines with their VAT rates, and the payments received.
class JobInvoice : public JobBase
{
public:
    JobInvoice();
    JobInvoice(const JobInvoice& other) = default;
    JobInvoice& operator=(const JobInvoice& other) = default;

    void reset() override;
    void addItem(const ombrel::OMString& section, const JobItem& item) override;
    void readValue(const ombrel::OMString& section, const ombrel::OMString& key,
                   const ombrel::OMString& value) override;
    int write(Archive& archive) override;
    DocumentSummary summary(const FigureInputs& inputs) const override;
    void applyStandardRate(int32_t rate) override;
    /// `other` is an invoice (or, for a credit note, a credit note).
    void copyFrom(const JobBase& other) override;
    void startAsCopy() override;
    ombrel::OMTime issuedAt() const override { return issued; }
    void setIssuedAt(const ombrel::OMTime& when) override { issued = when; }

    /// What the lines and payments come to, with or without VAT; changes nothing.
    InvoiceTotals totals(bool withVAT) const;
    /// The last day to pay; empty when the invoice has no date.
    ombrel::OMDate dueDate() const;
    /// Whether an invoice owing `amountDue` is overdue on `today`.
    bool isOverdueOn(const ombrel::OMDate& today, const ombrel::OMMoney& amountDue) const;

    ombrel::OMUInt32 daysToPay;
    ombrel::OMList<JobItem> items;
    ombrel::OMList<JobItem> payments;
    ombrel::OMBool addOverduePercentage;
    Percentage overduePercentage;
    ombrel::OMString extraTerms;
    /// When it was first printed, exported or e-mailed ("issued=" in the
    /// details, written only once set, so older files read and write back
    /// unchanged); unset while not issued.
    ombrel::OMTime issued;
    /// Under the domestic reverse charge ("reverseCharge=1" in the details,
    /// written only when set): the VAT is shown for information and the
    /// customer accounts for it.
    ombrel::OMBool reverseCharge;

    /// Whether the domestic reverse charge applies to building work for
    /// `customer`: a UK customer with a VAT number who pays under CIS and has
    /// not told us they are an end user or intermediary, while the business
    /// is VAT registered.
    static bool reverseChargeQualifies(const Customer& customer, bool vatRegistered);
    /// The CIS deduction a contractor takes at `percent` from `labour`,
    /// truncated to whole pence.
    static ombrel::OMMoney cisDeductionOf(ombrel::OMMoney labour, int percent);

    // Payment reminders.
    /// The reminders sent, oldest first: "reminder1=YYYYMMDD,LEVEL[,CLAIMED]"
    /// in a "[reminders]" section, written only when there is one, so older
    /// files read and write back unchanged.
    std::vector<Reminder> reminders;

protected:
    /// A record of another kind kept as an invoice is kept (a credit note).
    explicit JobInvoice(DocumentKind::Id kind);
    /// Writes the kind's own sections between the details and the customer.
    virtual void writeOwnSections(Archive&) {}
};
