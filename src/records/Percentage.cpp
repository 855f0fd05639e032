#include "Percentage.h"

#include <algorithm>
#include <limits>

using ombrel::OMString;

namespace {

// The whole part: the text without commas read as a decimal integer.
int64_t wholePart(const OMString& text)
{
    OMString digits = text;
    digits.replaceAll(",", "");
    const int32_t value = digits.toInt32();
    return value;
}

} // namespace

Percentage Percentage::parseText(const OMString& text)
{
    const int point = text.first('.');
    if (point < 0)
        return Percentage(
            int32_t(std::clamp<int64_t>(wholePart(text) * 100, std::numeric_limits<int32_t>::min(),
                                        std::numeric_limits<int32_t>::max())));
    int64_t value = wholePart(text.left(point)) * 100;
    OMString decimals = text.mid(point + 1, 2);
    while (decimals.length() < 2)
        decimals += '0';
    int fraction = 0;
    for (char c : decimals.str())
        fraction = fraction * 10 + ((c >= '0' && c <= '9') ? c - '0' : 0);
    // The decimals carry the sign of the whole part: -17.5 is -1750.
    const bool negative = text.trimmed().startsWith("-");
    value += negative ? -fraction : fraction;
    return Percentage(int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max())));
}

OMString Percentage::toText(bool withSign) const
{
    const int64_t v = m_value;
    const int64_t magnitude = v < 0 ? -v : v;
    OMString text =
        OMString::format("%s%lld", v < 0 ? "-" : "", static_cast<long long>(magnitude / 100));
    const int hundredths = int(magnitude % 100);
    if (hundredths != 0) {
        text += OMString::format(".%02d", hundredths);
        if (hundredths % 10 == 0)
            text = text.left(text.length() - 1);
    }
    if (withSign)
        text += "%";
    return text;
}
