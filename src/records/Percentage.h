#pragma once

#include "foundation/OMString.h"

#include <cstdint>

/// A percentage in hundredths of a percent: 1750 is 17.5 %.
class Percentage
{
public:
    constexpr Percentage(int32_t hundredths = 0) : m_value(hundredths) {}

    constexpr int32_t value() const { return m_value; }
    /// The percentage as a fraction: 1750 gives 0.175.
    double fraction() const { return m_value * 0.0001; }

    /**
     * Reads "17.5" as 1750, "17.05" as 1705, "17." as 1700 and "1,000" as 100000:
     * commas in the whole part are dropped and at most two decimals count.
     * Results beyond the 32-bit range are clamped; text without digits reads as 0.
     */
    static Percentage parseText(const ombrel::OMString& text);
    /// "17.5", "17.05", "5"; with the sign "17.5%".
    ombrel::OMString toText(bool withSign) const;

    friend constexpr bool operator==(Percentage a, Percentage b) = default;
    /// Ordered by the difference of the two values.
    friend constexpr auto operator<=>(Percentage a, Percentage b) = default;

private:
    int32_t m_value;
};
