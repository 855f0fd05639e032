#include "JobBase.h"

#include "Customer.h"
#include "fileformat/Archive.h"
#include "foundation/OMUInt32.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <string>
#include <string_view>

using namespace ombrel;

JobBase::JobBase(DocumentKind::Id kind) : m_kind(&DocumentKind::get(kind))
{
    // Derived constructors call reset() once they are complete.
}

JobBase::~JobBase() = default;

JobBase& JobBase::operator=(const JobBase& other)
{
    number = other.number;
    created = other.created;
    updated = other.updated;
    hasVATInfo = other.hasVATInfo;
    ownDocReference = other.ownDocReference;
    docReference = other.docReference;
    date = other.date;
    customer = other.customer;
    description = other.description;
    reference = other.reference;
    displayEAOE = other.displayEAOE;
    return *this;
}

void JobBase::reset()
{
    number = 0;
    hasVATInfo = false;
    ownDocReference = false;
    docReference.clear();
    date = OMDate();
    customer.reset();
    description.clear();
    reference.clear();
    displayEAOE = true;
}

void JobBase::startAsCopy()
{
    number = 0;
    ownDocReference = false;
    docReference.clear();
    date = OMDate();
    created = OMTime(true);
    updated = created;
}

void JobBase::addItem(const OMString&, const JobItem&)
{
}

void JobBase::readValue(const OMString& sectionText, const OMString& keyText, const OMString& value)
{
    // Compared as views: a length that differs settles most keys at once.
    const std::string_view section = sectionText.str();
    const std::string_view key = keyText.str();
    if (section == "base") {
        if (key == "number")
            setNumber(OMUInt32::fromText(value));
        else if (key == "created")
            created.set(value, "YYYYMMDDhhmmss");
        else if (key == "updated")
            updated.set(value, "YYYYMMDDhhmmss");
        else if (key == "hasVATInfo")
            hasVATInfo = value;
        else if (key == "ownDocReference")
            ownDocReference = value;
        else if (key == "docReference")
            docReference = value;
        else if (key == "date")
            date.set(value, "YYYYMMDD");
    } else if (section == kind().name && key == "version") {
        version = OMUInt32::fromText(value);
    }
}

namespace {

/// Without leading and trailing blanks and tabs.
std::string_view trimmedView(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

/// A piece of a line as read: each "|" stands for a line break.
OMString unbarred(std::string_view text)
{
    std::string out(text);
    if (text.find('|') != std::string_view::npos)
        std::replace(out.begin(), out.end(), '|', '\n');
    return OMString(std::move(out));
}

} // namespace

int JobBase::read(Archive& archive)
{
    std::string_view line;
    if (!archive.readLine(line) ||
        OMString(std::string(trimmedView(line))) != OMString("[") + kind().name + "]")
        return InvalidFileStatus;

    OMString section = kind().name;
    bool itemMode = false;
    JobItem item;
    while (archive.readLine(line)) {
        // Each line is looked at in place; only a key and its value are copied.
        line = trimmedView(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (itemMode) {
                addItem(section, item);
                itemMode = false;
                item.reset();
            }
            const size_t close = line.find(']');
            if (close != std::string_view::npos)
                section = unbarred(line.substr(1, close - 1));
            if (section.endsWith("-item"))
                itemMode = true;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == 0 || equals == std::string_view::npos)
            continue;
        const OMString key = unbarred(line.substr(0, equals));
        const OMString value = unbarred(line.substr(equals + 1));
        if (!itemMode) {
            readValue(section, key, value);
        } else if (key == "desc") {
            item.desc = value;
        } else if (key == "count") {
            item.count = value;
        } else if (key == "price") {
            item.price = OMMoney(value);
        } else if (key == "cost") {
            item.cost = OMMoney(value);
        } else if (key == "rate") {
            item.rate = Percentage::parseText(value);
        } else if (key == "date") {
            item.date.set(value, "YYYYMMDD");
        } else if (key == "cis") {
            item.cisPart = JobItem::cisPartFromText(value);
        } else if (key == "deduction") {
            item.deduction = OMMoney(value);
        }
    }
    // A file cut short after an item's lines, without the closing "[end]".
    if (itemMode)
        addItem(section, item);
    return 0;
}

int JobBase::write(Archive& archive)
{
    return writeBase(archive);
}

int JobBase::writeBase(Archive& archive)
{
    if (version == 0)
        version = 1;
    if (!created.isSet())
        created = OMTime(true);
    updated = OMTime(true);
    hasVATInfo = SettingsStore::isVATRegistered();

    archive.write(OMString("[") + kind().name + "]\n");
    writeValue(archive, "version", OMUInt32(version).toString());
    archive.write("\n[base]\n");
    if (number != 0)
        writeValue(archive, "number", OMUInt32(number).toString());
    writeValue(archive, "created", created.toString("%Y%m%d%H%M%S"));
    writeValue(archive, "updated", updated.toString("%Y%m%d%H%M%S"));
    writeValue(archive, "hasVATInfo", hasVATInfo.toString());
    writeValue(archive, "ownDocReference", ownDocReference.toString());
    writeValue(archive, "docReference", docReference);
    if (!date.isEmpty())
        writeValue(archive, "date", date.toString("YYYYMMDD"));
    return 0;
}

void JobBase::writeCustomer(Archive& archive, const Customer& customer, bool withNumber)
{
    if (withNumber)
        writeValue(archive, "custno", OMUInt32(customer.custno).toString());
    writeValue(archive, "company", customer.company);
    writeValue(archive, "title", customer.title);
    writeValue(archive, "name", customer.name);
    writeValue(archive, "initial", customer.initial);
    writeValue(archive, "surname", customer.surname);
    writeValue(archive, "first", customer.address.first);
    writeValue(archive, "town", customer.address.town);
    writeValue(archive, "county", customer.address.county);
    writeValue(archive, "postcode", customer.address.postcode);
    writeValue(archive, "phone", customer.phone);
    writeValue(archive, "fax", customer.fax);
    writeValue(archive, "mobile", customer.mobile);
    for (const auto& [key, value] : customer.laterFields())
        writeValue(archive, key, value);
}

DocumentSummary JobBase::baseSummary() const
{
    DocumentSummary s;
    s.kind = kind().id;
    s.number = number;
    s.docReference = docReference.toQString();
    s.reference = reference.toQString();
    s.date = documentDate();
    s.customer = customer.displayText().toQString();
    s.customerNumber = customer.custno;
    if (issuedAt().isSet())
        s.issued = issuedAt().toDate();
    return s;
}

bool JobBase::takeNextNumber(uint32_t& number, QString* error)
{
    uint32_t next = 0;
    const bool taken = SettingsStore::change(
        *kind().nextNumberSetting,
        [&next](int32_t& value) {
            next = uint32_t(value);
            value = int32_t(next + 1);
            return true;
        },
        error);
    if (taken)
        number = next;
    return taken;
}

bool JobBase::giveNumberBack(uint32_t number, QString* error)
{
    return SettingsStore::change(
        *kind().nextNumberSetting,
        [number](int32_t& value) {
            if (uint32_t(value) != number + 1)
                return false;
            value = int32_t(number);
            return true;
        },
        error);
}

void JobBase::writeItem(Archive& archive, const OMString& section, const JobItem& item)
{
    archive.write("\n[" + section + "]\n");
    if (!item.desc.isEmpty())
        writeValue(archive, "desc", item.desc);
    if (item.count.value() != 0.0)
        writeValue(archive, "count", item.count.toString("%f"));
    if (item.cost != 0)
        writeValue(archive, "cost", item.cost.toString());
    if (item.price != 0)
        writeValue(archive, "price", item.price.toString());
    if (item.rate.value() != 0)
        writeValue(archive, "rate", item.rate.toText(false));
    if (!item.date.isEmpty())
        writeValue(archive, "date", item.date.toString("YYYYMMDD"));
    if (item.cisPart != JobItem::CisPart::Unset)
        writeValue(archive, "cis", item.cisText());
    if (item.deduction != 0)
        writeValue(archive, "deduction", item.deduction.toString());
}

void JobBase::writeValue(Archive& archive, const OMString& key, const OMString& value)
{
    OMString line = key;
    line += "=";
    OMString text = value;
    text.replaceAll("\n", "|");
    line += text;
    line += "\n";
    archive.write(line);
}

void JobBase::setNumber(uint32_t n)
{
    number = n;
    docReference = OMString(std::to_string(n)); // as OMUInt32's "%u", without a formatted QString
}

void JobBase::setDocReference(const OMString& text, bool own)
{
    docReference = text;
    ownDocReference = own;
    const uint32_t n = OMUInt32::fromText(text);
    number = OMUInt32(n).toString() == text ? n : 0;
}

OMDate JobBase::documentDate() const
{
    return date.isEmpty() ? created.toDate() : date;
}
