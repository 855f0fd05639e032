#include "InvoiceImport.h"

#include "JobFileReader.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <memory>

using namespace ombrel;

namespace {

// Labour and travel are labour for CIS; materials and hire are materials.
JobItem summaryLine(int id, OMMoney price, Percentage rate, JobItem::CisPart part)
{
    JobItem item;
    item.desc = StringTable::text(id);
    item.price = price;
    item.rate = rate;
    item.cisPart = part;
    return item;
}

void copyItems(const OMList<JobItem>& from, OMList<JobItem>& to, bool standardRate, Percentage rate)
{
    from.forEach([&](const JobItem& source) {
        JobItem copy = source;
        copy.countDefaultsToOne = true;
        copy.cisPart = JobItem::CisPart::Materials;
        if (standardRate)
            copy.rate = rate;
        to.add(copy);
    });
}

} // namespace

InvoiceImport::InvoiceImport(const Job& source) : m_source(&source), m_ratesCurrent(true)
{
}

InvoiceImport::Result InvoiceImport::read(const QString& path, QString* error)
{
    m_read.reset();
    m_source = nullptr;
    m_ratesCurrent = false;
    std::unique_ptr<JobBase> record = JobFileReader::recordFor(path);
    if (!dynamic_cast<Job*>(record.get()))
        return NotAJobFile;
    if (!JobFileReader::read(*record, path, error))
        return Refused;
    m_read.reset(static_cast<Job*>(record.release()));
    m_source = m_read.get();
    return Imported;
}

bool InvoiceImport::wouldReplaceCustomer(const JobInvoice& invoice)
{
    return !invoice.customer.name.isEmpty() || !invoice.customer.surname.isEmpty();
}

InvoiceImport::Result InvoiceImport::importFile(JobInvoice& invoice, const QString& path,
                                                const Options& options, QString* error)
{
    InvoiceImport import;
    const Result result = import.read(path, error);
    if (result == Imported)
        import.applyTo(invoice, options);
    return result;
}

void InvoiceImport::applyTo(JobInvoice& invoice, const Options& options) const
{
    if (!m_source)
        return;
    const Job* source = m_source;
    const bool registered = SettingsStore::isVATRegistered();
    const Percentage standard = registered ? Percentage(SettingsStore::standardVATRate()) : 0;
    // Lines of a file saved before VAT registration take the standard rate.
    const bool restampItems = registered && !m_ratesCurrent && !source->hasVATInfo;

    // A customer with a name is only replaced when the user agreed.
    if (!wouldReplaceCustomer(invoice) || options.replaceNamedCustomer) {
        invoice.customer = source->customer;
        // Building work for a contractor who qualifies goes under the
        // reverse charge unless the user clears it.
        invoice.reverseCharge = JobInvoice::reverseChargeQualifies(invoice.customer, registered);
    }

    OMString description = invoice.description;
    if (!description.isEmpty())
        description += "\n" + OMString(std::string(70, '_')) + "\n\n";
    description += OMString::format(StringTable::text(IDS_FOR_DOCUMENT).c_str(),
                                    source->kind().title, source->docReference.c_str());
    if (!source->reference.isEmpty())
        description += " - " + source->reference;
    if (!source->sameAsCustomer) {
        // The location stands on lines of its own below the heading.
        description += "\n\n";
        description += StringTable::text(IDS_JOB_LOCATION);
        description += source->locationText();
    }
    description += "\n\n";
    description += source->description;
    invoice.description = description;

    constexpr auto labour = JobItem::CisPart::Labour, materials = JobItem::CisPart::Materials;
    invoice.items.add(summaryLine(IDS_LABOUR, source->labourTotal(), standard, labour));
    if (source->chargeTravelDistance || source->chargeTravelTime)
        invoice.items.add(
            summaryLine(IDS_TRAVEL, source->travelCost(FigureInputs::current()), standard, labour));
    if (options.hireAsOneLine)
        invoice.items.add(summaryLine(IDS_HIRE, source->hireTotal(), standard, materials));
    else
        copyItems(source->hire, invoice.items, restampItems, standard);
    if (options.materialsAsOneLine)
        invoice.items.add(
            summaryLine(IDS_MATERIALS, source->materialsTotal(), standard, materials));
    else
        copyItems(source->materials, invoice.items, restampItems, standard);
}

QString InvoiceImport::sourceName() const
{
    if (!m_source)
        return {};
    return QStringLiteral("%1 %2")
        .arg(QLatin1String(m_source->kind().title), m_source->docReference.toQString())
        .trimmed();
}
