#pragma once

#include "OMString.h"

namespace ombrel {

/// A double read from and written to text without regard to the user's locale.
/// Text that is not a number, or not a finite one, reads as 0.0.
class OMDouble
{
public:
    constexpr OMDouble(double value = 0.0) : m_value(value) {}
    explicit OMDouble(const OMString& text) : m_value(fromText(text)) {}
    OMDouble& operator=(double value)
    {
        m_value = value;
        return *this;
    }
    OMDouble& operator=(const OMString& text)
    {
        m_value = fromText(text);
        return *this;
    }

    static double fromText(const OMString& text);
    /// Read values are taken within ± this: no count, hours or distance comes
    /// near it, every figure of it keeps its six decimals exactly in a double
    /// (10^15 millionths < 2^53), and sums of them stay finite.
    static constexpr double MaxMagnitude = 1e9;

    constexpr operator double() const { return m_value; }
    constexpr double value() const { return m_value; }
    /// printf format with one floating-point conversion, such as "%f".
    OMString toString(const char* format = "%f") const;
    /// At most `maxDecimals` decimals, without trailing zeros beyond
    /// `minDecimals`: 2.5, 3, 0.25; with two at least 2.50, 3.00, 0.333333.
    OMString toDecimalText(int maxDecimals = 6, int minDecimals = 0) const;

private:
    double m_value;
};

} // namespace ombrel
