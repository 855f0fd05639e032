#pragma once

#include "foundation/OMString.h"

class Address
{
public:
    /// Street lines; may hold line breaks.
    ombrel::OMString first;
    ombrel::OMString town;
    ombrel::OMString county;
    ombrel::OMString postcode;

    /// The non-empty fields in order, one per line.
    ombrel::OMString addressText() const;
    void clear();

    friend bool operator==(const Address&, const Address&) = default;
};
