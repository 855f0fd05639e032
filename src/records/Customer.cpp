#include "Customer.h"

#include "foundation/OMUInt32.h"

using namespace ombrel;

bool Customer::readValue(const OMString& key, const OMString& value)
{
    if (key == "custno") {
        custno = OMUInt32::fromText(value);
        return true;
    }
    OMString* const fields[] = {&title,         &name,         &initial,        &surname,
                                &company,       &phone,        &mobile,         &fax,
                                &address.first, &address.town, &address.county, &address.postcode};
    static const char* const keys[] = {"title",   "name",  "initial", "surname",
                                       "company", "phone", "mobile",  "fax",
                                       "first",   "town",  "county",  "postcode"};
    for (size_t i = 0; i < std::size(keys); ++i) {
        if (key == keys[i]) {
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
