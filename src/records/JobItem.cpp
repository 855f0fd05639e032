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
