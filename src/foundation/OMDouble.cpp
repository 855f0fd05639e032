#include "OMDouble.h"

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
    return value;
}

OMString OMDouble::toString(const char* format) const
{
    return OMString::format(format, m_value);
}

} // namespace ombrel
