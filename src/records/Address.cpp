#include "Address.h"

using ombrel::OMString;

OMString Address::addressText() const
{
    OMString text;
    for (const OMString* part : {&first, &town, &county, &postcode}) {
        if (part->isEmpty())
            continue;
        if (!text.isEmpty())
            text += "\n";
        text += *part;
    }
    return text;
}

void Address::clear()
{
    first.clear();
    town.clear();
    county.clear();
    postcode.clear();
}
