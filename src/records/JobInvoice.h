#pragma once

#include "Customer.h"
#include "InvoiceTotals.h"
#include "JobBase.h"
#include "Percentage.h"
#include "VAT.h"
#include "foundation/OMArray.h"
#include "foundation/OMBool.h"
#include "foundation/OMList.h"
#include "foundation/OMMoney.h"
#include "foundation/OMUInt32.h"

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
    bool takeNextNumber(uint32_t& number, QString* error) override;
    bool giveNumberBack(uint32_t number, QString* error) override;

    /// What the lines and payments come to, with or without VAT; changes nothing.
    InvoiceTotals totals(bool withVAT) const;
    /// Stores totals(withVAT) in vatSummary, netTotal, grossTotal and totalPaid.
    void recalculate(bool withVAT);
    /// grossTotal − totalPaid of the stored figures; negative when a refund is due.
    ombrel::OMMoney amountDue() const;
    /// Money is still due and the payment period ended before today.
    /// Uses the totals of the last recalculate().
    bool isOverdue() const;
    /// isOverdue() as seen on `today`.
    bool isOverdueOn(const ombrel::OMDate& today) const;
    /// Whether an invoice owing `amountDue` is overdue on `today`.
    bool isOverdueOn(const ombrel::OMDate& today, const ombrel::OMMoney& amountDue) const;

    Customer customer;
    ombrel::OMString description;
    ombrel::OMString reference;
    ombrel::OMUInt32 daysToPay;
    ombrel::OMBool displayEAOE = true;
    ombrel::OMList<JobItem> items;
    ombrel::OMList<JobItem> payments;
    /// One entry per rate, ascending by rate; as the last recalculate() left it.
    ombrel::OMArray<VAT> vatSummary;
    ombrel::OMMoney netTotal;
    ombrel::OMMoney grossTotal;
    ombrel::OMMoney totalPaid;
    ombrel::OMBool addOverduePercentage;
    Percentage overduePercentage;
    ombrel::OMString extraTerms;
};
