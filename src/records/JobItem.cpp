#include "JobItem.h"

using namespace ombrel;

void JobItem::reset()
{
    desc.clear();
    count = 0.0;
    price = 0;
    cost = 0;
    rate = 0;
    date = OMDate();
    cisPart = CisPart::Unset;
    deduction = 0;
}

const char* JobItem::cisText() const
{
    switch (cisPart) {
    case CisPart::Labour:
        return "labour";
    case CisPart::Materials:
        return "materials";
    case CisPart::Unset:
        break;
    }
    return "";
}

JobItem::CisPart JobItem::cisPartFromText(const OMString& text)
{
    if (text == "labour")
        return CisPart::Labour;
    if (text == "materials")
        return CisPart::Materials;
    return CisPart::Unset;
}

OMMoney JobItem::lineTotal() const
{
    if (count.value() == 0.0 && countDefaultsToOne)
        return price;
    return price.multipliedBy(count.value());
}

OMString JobItem::quantityText() const
{
    if (count.value() == 0.0 && countDefaultsToOne)
        return {};
    return count.toDecimalText();
}

OMString JobItem::countText(const char* format) const
{
    if (count.value() == 0.0 && countDefaultsToOne)
        return {};
    return count.toString(format);
}
