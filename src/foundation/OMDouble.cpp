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

OMString OMDouble::toDecimalText(int maxDecimals, int minDecimals) const
{
    minDecimals = std::clamp(minDecimals, 0, maxDecimals);
    std::string text = OMString::format("%.*f", maxDecimals, m_value).str();
    const size_t point = text.find('.');
    if (point != std::string::npos) {
        const size_t keep = point + (minDecimals > 0 ? 1 + size_t(minDecimals) : 0);
        while (text.size() > keep && text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    // A negative amount too small to show is no amount.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        text.erase(0, 1);
    return OMString(std::move(text));
}

OMString OMDouble::toString(const char* format) const
{
    return OMString::format(format, m_value);
}

} // namespace ombrel
