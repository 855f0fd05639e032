#include "JobInvoice.h"

#include "fileformat/Archive.h"
#include "foundation/OMUInt32.h"
#include "settings/SettingsStore.h"

#include <string_view>

using namespace ombrel;

JobInvoice::JobInvoice() : JobBase(DocumentKind::Invoice)
{
    reset();
}

JobInvoice::JobInvoice(DocumentKind::Id kind) : JobBase(kind)
{
    // The derived constructor resets the record once it is complete.
}

void JobInvoice::copyFrom(const JobBase& other)
{
    JobInvoice::operator=(static_cast<const JobInvoice&>(other));
}

void JobInvoice::startAsCopy()
{
    JobBase::startAsCopy();
    payments.clear();
    issued = OMTime();
    reminders.clear();
}

void JobInvoice::reset()
{
    JobBase::reset();
    daysToPay = 0;
    items.clear();
    payments.clear();
    addOverduePercentage = false;
    overduePercentage = 0;
    extraTerms.clear();
    issued = OMTime();
    reminders.clear();
    reverseCharge = false;
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

void JobInvoice::readValue(const OMString& sectionText, const OMString& keyText,
                           const OMString& value)
{
    // Compared as views: a length that differs settles most keys at once.
    const std::string_view section = sectionText.str();
    const std::string_view key = keyText.str();
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
        else if (key == "issued")
            issued.set(value, "YYYYMMDDhhmmss");
        else if (key == "reverseCharge")
            reverseCharge = value;
    } else if (section == "customer") {
        customer.readValue(keyText, value);
    } else if (section == "reminders") {
        // Payment reminders: any key of the section, in the order read.
        Reminder reminder;
        if (key.starts_with("reminder") && reminder.setText(value))
            reminders.push_back(reminder);
    } else {
        JobBase::readValue(sectionText, keyText, value);
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
    if (issued.isSet())
        writeValue(archive, "issued", issued.toString("%Y%m%d%H%M%S"));
    if (reverseCharge)
        writeValue(archive, "reverseCharge", reverseCharge.toString());
    writeOwnSections(archive);

    // Payment reminders.
    if (!reminders.empty()) {
        archive.write("\n[reminders]\n");
        for (size_t i = 0; i < reminders.size(); ++i)
            writeValue(archive, OMString::format("reminder%zu", i + 1), reminders[i].toText());
    }

    archive.write("\n[customer]\n");
    writeCustomer(archive, customer, true);

    items.forEach([&](const JobItem& item) { writeItem(archive, "invoice-item", item); });
    payments.forEach([&](const JobItem& item) { writeItem(archive, "payment-item", item); });
    archive.write("\n[end]\n");
    return 0;
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
    t.reverseCharge = reverseCharge && withVAT;
    if (!t.reverseCharge)
        for (int i = 0; i < vatSummary.size(); ++i)
            t.grossTotal += vatSummary[i].vatAmount();
    items.forEach([&](const JobItem& item) {
        if (item.isCisLabour())
            t.cisLabour += item.lineTotal();
    });
    t.cis = customer.cisContractor;
    t.cisRate = t.cis ? customer.cisRate : 0;
    if (t.cis)
        t.cisExpected = cisDeductionOf(t.cisLabour, customer.cisRate);
    payments.forEach([&](const JobItem& payment) {
        t.totalPaid += payment.price + payment.deduction;
        t.cisDeducted += payment.deduction;
    });
    return t;
}

bool JobInvoice::reverseChargeQualifies(const Customer& customer, bool vatRegistered)
{
    const bool domestic = customer.country.isEmpty() || customer.country == "GB";
    return vatRegistered && domestic && !customer.vatNumber.trimmed().isEmpty() &&
           customer.cisContractor && !customer.endUserNotice;
}

OMMoney JobInvoice::cisDeductionOf(OMMoney labour, int percent)
{
    return labour.scaledBy(percent, 100);
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

OMDate JobInvoice::dueDate() const
{
    const OMDate date = documentDate();
    if (date.isEmpty())
        return date;
    return OMDate::fromJulian(date.julian() + int64_t(daysToPay.value()));
}

DocumentSummary JobInvoice::summary(const FigureInputs& inputs) const
{
    DocumentSummary s = baseSummary();
    const InvoiceTotals t = totals(inputs.vatRegistered);
    s.dueDate = dueDate();
    s.net = t.netTotal;
    for (int i = 0; i < t.vatSummary.size(); ++i) {
        s.vatByRate.push_back(t.vatSummary[i]);
        s.vat += t.vatSummary[i].vatAmount();
    }
    s.gross = t.grossTotal;
    s.paid = t.totalPaid;
    s.due = t.amountDue();
    s.overdue = isOverdueOn(inputs.asOf, s.due);
    payments.forEach([&](const JobItem& payment) {
        s.payments.push_back({payment.date, payment.price, payment.deduction});
    });
    s.reverseCharge = t.reverseCharge;
    s.cis = t.cis;
    s.cisLabour = t.cisLabour;
    s.cisExpected = t.cisExpected;
    s.cisDeducted = t.cisDeducted;
    s.reminders = reminders;
    return s;
}

void JobInvoice::applyStandardRate(int32_t rate)
{
    auto it = items.iterator();
    while (it.hasNext())
        it.next().rate = rate;
}
