#pragma once

#include "Percentage.h"
#include "foundation/OMMoney.h"

/// The net amount charged at one VAT rate.
class VAT
{
public:
    Percentage rate;
    ombrel::OMMoney amount;

    /// amount × rate, truncated toward zero to whole hundredths.
    ombrel::OMMoney vatAmount() const { return amount.scaledBy(rate.value(), 10000); }
};
