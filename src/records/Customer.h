#pragma once

#include "Address.h"
#include "foundation/OMString.h"

#include <cstdint>
#include <utility>
#include <vector>

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
    ombrel::OMString email;
    /// The customer's VAT registration number as they give it ("GB123456789").
    ombrel::OMString vatNumber;
    /// ISO 3166-1 alpha-2 code ("GB"); empty for the business's own country.
    ombrel::OMString country;
    /// A business rather than a consumer: late-payment interest, the
    /// reverse charge and e-invoices apply only to businesses.
    bool business = false;
    /// A contractor who pays us under the Construction Industry Scheme.
    bool cisContractor = false;
    /// The customer has told us in writing that they are an end user or an
    /// intermediary supplier: no domestic reverse charge.
    bool endUserNotice = false;
    /// The CIS deduction, in percent, this contractor takes from the labour we
    /// invoice: 20 (verified), 30 (not verified) or 0 (gross payment status).
    int cisRate = DefaultCisRate;
    static constexpr int DefaultCisRate = 20;

    /// The keys of the fields added after the first file format, with their
    /// values as written, in the order written; a field at its default is left
    /// out, so a record that has none writes back as it was read.
    std::vector<std::pair<const char*, ombrel::OMString>> laterFields() const;
    /// Sets the later fields (e-mail to CIS rate) to those of `other`.
    void takeLaterFields(const Customer& other);
    /// Fills an empty phone, mobile, fax, e-mail or VAT number from `other`
    /// (a duplicate merged into this customer); the address stays whole.
    void takeMissingContacts(const Customer& other);

    /// Sets the field named by `key` ("custno", "title", ..., "postcode");
    /// false, and nothing changed, for any other key.
    bool readValue(const ombrel::OMString& key, const ombrel::OMString& value);
    void reset();
    /// Name line, company and address, one per line, empty parts left out.
    ombrel::OMString displayText() const;

    /// The same customer: equal numbers.
    bool isSameCustomer(const Customer& other) const { return custno == other.custno; }
    /// Every field equal.
    friend bool operator==(const Customer&, const Customer&) = default;
};
