#include "JobInvoice.h"

#include "fileformat/Archive.h"
#include "foundation/OMUInt32.h"
#include "settings/SettingsStore.h"

using namespace ombrel;

JobInvoice::JobInvoice() : JobBase("invoice", "Invoice")
{
    reset();
}

void JobInvoice::reset()
{
    JobBase::reset();
    customer.reset();
    description.clear();
    reference.clear();
    daysToPay = 0;
    displayEAOE = true;
    items.clear();
    payments.clear();
    vatSummary.clear();
    netTotal = 0;
    grossTotal = 0;
    totalPaid = 0;
    addOverduePercentage = false;
    overduePercentage = 0;
    extraTerms.clear();
}

void JobInvoice::addItem(const OMString& section, const JobItem& item)
{
    if (section.startsWith("invoice-")) {
        JobItem copy = item;
        copy.countDefaultsToOne = true;
        items.add(copy);
    } else if (section.startsWith("payment-")) {
        payments.add(item);
    }
}

void JobInvoice::readValue(const OMString& section, const OMString& key, const OMString& value)
{
    if (section == "details") {
        if (key == "description")
            description = value;
        else if (key == "reference")
            reference = value;
        else if (key == "displayEAOE")
            displayEAOE = value;
        else if (key == "daysToPay")
            daysToPay = value;
        else if (key == "addOverduePercentage")
            addOverduePercentage = value;
        else if (key == "overduePercentage")
            overduePercentage = Percentage::parseText(value);
        else if (key == "extraTerms")
            extraTerms = value;
    } else if (section == "customer") {
        customer.readValue(key, value);
    } else {
        JobBase::readValue(section, key, value);
    }
}

int JobInvoice::write(Archive& archive)
{
    if (const int status = writeBase(archive))
        return status;

    archive.write("\n[details]\n");
    writeValue(archive, "description", description);
    writeValue(archive, "reference", reference);
    writeValue(archive, "daysToPay", daysToPay.toString("%u"));
    writeValue(archive, "displayEAOE", displayEAOE.toString());
    writeValue(archive, "created", created.toString("%Y%m%d%H%M%S"));
    writeValue(archive, "updated", updated.toString("%Y%m%d%H%M%S"));
    writeValue(archive, "addOverduePercentage", addOverduePercentage.toString());
    writeValue(archive, "overduePercentage", overduePercentage.toText(false));
    writeValue(archive, "extraTerms", extraTerms);

    archive.write("\n[customer]\n");
    writeCustomer(archive, customer, true);

    items.forEach([&](const JobItem& item) { writeItem(archive, "invoice-item", item); });
    payments.forEach([&](const JobItem& item) { writeItem(archive, "payment-item", item); });
    archive.write("\n[end]\n");
    return 0;
}

bool JobInvoice::takeNextNumber(uint32_t& number, QString* error)
{
    return takeNumber(SettingKeys::NextInvoiceNo, number, error);
}

bool JobInvoice::giveNumberBack(uint32_t number, QString* error)
{
    return giveBack(SettingKeys::NextInvoiceNo, number, error);
}

InvoiceTotals JobInvoice::totals(bool withVAT) const
{
    InvoiceTotals t;
    OMArray<VAT>& vatSummary = t.vatSummary;
    OMMoney& netTotal = t.netTotal;
    items.forEach([&](const JobItem& item) {
        const OMMoney line = item.lineTotal();
        netTotal += line;
        if (!withVAT)
            return;
        int insertAt = vatSummary.size();
        for (int i = 0; i < vatSummary.size(); ++i) {
            VAT& entry = vatSummary[i];
            if (entry.rate == item.rate) {
                entry.amount += line;
                return;
            }
            if (entry.rate > item.rate && insertAt == vatSummary.size())
                insertAt = i;
        }
        vatSummary.insert(insertAt, VAT{item.rate, line});
    });
    t.grossTotal = netTotal;
    for (int i = 0; i < vatSummary.size(); ++i)
        t.grossTotal += vatSummary[i].vatAmount();
    payments.forEach([&](const JobItem& payment) { t.totalPaid += payment.price; });
    return t;
}

void JobInvoice::recalculate(bool withVAT)
{
    InvoiceTotals t = totals(withVAT);
    vatSummary = std::move(t.vatSummary);
    netTotal = t.netTotal;
    grossTotal = t.grossTotal;
    totalPaid = t.totalPaid;
}

OMMoney JobInvoice::amountDue() const
{
    return grossTotal - totalPaid;
}

bool JobInvoice::isOverdue() const
{
    return isOverdueOn(OMDate::today());
}

bool JobInvoice::isOverdueOn(const OMDate& today) const
{
    return isOverdueOn(today, amountDue());
}

bool JobInvoice::isOverdueOn(const OMDate& today, const OMMoney& due) const
{
    if (due <= 0)
        return false;
    const OMDate date = documentDate();
    if (date.isEmpty())
        return false;
    // Counted in whole days at full width: any number of days to pay, even
    // one past the calendar's end, gives a due day after the document's.
    return today.julian() > date.julian() + int64_t(daysToPay.value());
}
