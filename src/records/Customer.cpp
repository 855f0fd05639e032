#include "Customer.h"

#include "foundation/OMUInt32.h"

#include <string_view>

using namespace ombrel;

bool Customer::readValue(const OMString& key, const OMString& value)
{
    // Compared as views: a length that differs settles most keys at once.
    const std::string_view k = key.str();
    if (k == "custno") {
        custno = OMUInt32::fromText(value);
        return true;
    }
    bool* const flags[] = {&business, &cisContractor, &endUserNotice};
    static const char* const flagKeys[] = {"business", "cisContractor", "endUser"};
    for (size_t i = 0; i < std::size(flagKeys); ++i) {
        if (k == flagKeys[i]) {
            *flags[i] = value.trimmed() == "1";
            return true;
        }
    }
    if (k == "cisRate") {
        const uint32_t rate = OMUInt32::fromText(value);
        cisRate = rate == 0 || rate == 20 || rate == 30 ? int(rate) : DefaultCisRate;
        return true;
    }
    OMString* const fields[] = {&title,         &name,         &initial,        &surname,
                                &company,       &phone,        &mobile,         &fax,
                                &address.first, &address.town, &address.county, &address.postcode,
                                &email,         &vatNumber,    &country};
    static const char* const keys[] = {"title",  "name",     "initial", "surname", "company",
                                       "phone",  "mobile",   "fax",     "first",   "town",
                                       "county", "postcode", "email",   "vatno",   "country"};
    for (size_t i = 0; i < std::size(keys); ++i) {
        if (k == keys[i]) {
            *fields[i] = value;
            return true;
        }
    }
    return false;
}

void Customer::reset()
{
    *this = Customer();
}

OMString Customer::displayText() const
{
    OMString text = title;
    for (const OMString* part : {&name, &initial, &surname}) {
        if (part->isEmpty())
            continue;
        if (!text.isEmpty())
            text += " ";
        text += *part;
    }
    for (const OMString& block : {company, address.addressText()}) {
        if (block.isEmpty())
            continue;
        if (!text.isEmpty())
            text += "\n";
        text += block;
    }
    return text;
}

std::vector<std::pair<const char*, OMString>> Customer::laterFields() const
{
    std::vector<std::pair<const char*, OMString>> fields;
    const std::pair<const char*, const OMString*> texts[] = {
        {"email", &email}, {"vatno", &vatNumber}, {"country", &country}};
    for (const auto& [key, value] : texts)
        if (!value->isEmpty())
            fields.emplace_back(key, *value);
    const std::pair<const char*, bool> flags[] = {
        {"business", business}, {"cisContractor", cisContractor}, {"endUser", endUserNotice}};
    for (const auto& [key, set] : flags)
        if (set)
            fields.emplace_back(key, OMString("1"));
    if (cisRate != DefaultCisRate)
        fields.emplace_back("cisRate", OMUInt32(uint32_t(cisRate)).toString());
    return fields;
}

void Customer::takeMissingContacts(const Customer& other)
{
    for (auto field : {&Customer::phone, &Customer::mobile, &Customer::fax, &Customer::email,
                       &Customer::vatNumber})
        if ((this->*field).isEmpty())
            this->*field = other.*field;
}

void Customer::takeLaterFields(const Customer& other)
{
    email = other.email;
    vatNumber = other.vatNumber;
    country = other.country;
    business = other.business;
    cisContractor = other.cisContractor;
    endUserNotice = other.endUserNotice;
    cisRate = other.cisRate;
}
