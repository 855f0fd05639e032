#include "OMDouble.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ombrel {

double OMDouble::fromText(const OMString& input)
{
    const OMString text = input.trimmed();
    const char* begin = text.c_str();
    const char* end = begin + text.length();
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0.0;
    // from_chars is locale-independent; it never takes "," for the point.
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return 0.0;
    return std::clamp(value, -MaxMagnitude, MaxMagnitude);
}

OMString OMDouble::toDecimalText(int maxDecimals) const
{
    std::string text = OMString::format("%.*f", maxDecimals, m_value).str();
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return OMString(std::move(text));
}

OMString OMDouble::toString(const char* format) const
{
    return OMString::format(format, m_value);
}

} // namespace ombrel
