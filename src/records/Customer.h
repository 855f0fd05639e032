#pragma once

#include "Address.h"
#include "foundation/OMString.h"

#include <cstdint>

/// A customer, or the location of a job.
class Customer
{
public:
    /// Number in the customer database; 0 = not in it yet.
    uint32_t custno = 0;
    ombrel::OMString title;
    /// First name.
    ombrel::OMString name;
    ombrel::OMString initial;
    ombrel::OMString surname;
    ombrel::OMString company;
    Address address;
    ombrel::OMString phone;
    ombrel::OMString mobile;
    ombrel::OMString fax;

    /// Sets the field named by `key` ("custno", "title", ..., "postcode");
    /// false, and nothing changed, for any other key.
    bool readValue(const ombrel::OMString& key, const ombrel::OMString& value);
    void reset();
    /// Name line, company and address, one per line, empty parts left out.
    ombrel::OMString displayText() const;

    /// The same customer: equal numbers.
    bool isSameCustomer(const Customer& other) const { return custno == other.custno; }
};
