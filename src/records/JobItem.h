#pragma once

#include "Percentage.h"
#include "foundation/OMDate.h"
#include "foundation/OMDouble.h"
#include "foundation/OMMoney.h"
#include "foundation/OMString.h"

/// One priced line: a labour charge, a material, a hire, an invoice line or a payment.
class JobItem
{
public:
    virtual ~JobItem() = default;

    ombrel::OMString desc;
    /// Quantity, hours or days; 0.0 means not given.
    ombrel::OMDouble count = 0.0;
    /// Unit price; for a payment the amount paid.
    ombrel::OMMoney price;
    /// A second amount kept with the line; no figure uses it.
    ombrel::OMMoney cost;
    Percentage rate;
    ombrel::OMDate date;
    /// When set, a count of 0.0 counts as one.
    bool countDefaultsToOne = true;

    /// What an invoice line charges for, as the Construction Industry Scheme
    /// tells them apart ("cis=" in the file, written only once set): a
    /// contractor deducts from labour, never from materials. A line not yet
    /// marked counts as labour, as the scheme counts everything but materials.
    enum class CisPart { Unset, Labour, Materials };
    CisPart cisPart = CisPart::Unset;
    /// On a payment: the CIS deduction the contractor kept back and paid to
    /// HMRC for us ("deduction=", written only when set). With the amount
    /// received it settles the invoice.
    ombrel::OMMoney deduction;

    /// Whether the line counts as labour for CIS.
    bool isCisLabour() const { return cisPart != CisPart::Materials; }
    /// "labour", "materials", or empty while unset.
    const char* cisText() const;
    /// Reads "labour" or "materials"; anything else leaves the line unset.
    static CisPart cisPartFromText(const ombrel::OMString& text);

    /// Clears every field but countDefaultsToOne.
    void reset();
    /// price × count (or × 1, see countDefaultsToOne), truncated toward zero.
    ombrel::OMMoney lineTotal() const;
    /// The count printed with `format`; empty when it stands for one.
    ombrel::OMString countText(const char* format) const;
    /// The count as a printed page shows it: as many decimals as it has (2.5,
    /// 3), so that quantity times price reads as the line's total; empty when
    /// it stands for one.
    ombrel::OMString quantityText() const;

    /// Lines are equal when description, count and price are.
    friend bool operator==(const JobItem& a, const JobItem& b)
    {
        return a.desc == b.desc && a.count.value() == b.count.value() && a.price == b.price;
    }
};
