#include "OMMoney.h"

#include "OMWideArithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace ombrel {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

// Quantities are decimal numbers of at most six places; 10^6 is their scale.
constexpr int64_t kQuantityScale = 1000000;

OMString formatHundredths(int64_t value, bool grouped)
{
    const bool negative = value < 0;
    // Work in unsigned so that the most negative amount has a magnitude too.
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    const std::string whole = std::to_string(magnitude / 100);
    const unsigned cents = unsigned(magnitude % 100);

    std::string text;
    if (negative)
        text += '-';
    for (size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0)
            text += ',';
        text += whole[i];
    }
    text += '.';
    text += char('0' + cents / 10);
    text += char('0' + cents % 10);
    return OMString(std::move(text));
}

} // namespace

int64_t OMMoney::fromText(const OMString& input)
{
    const OMString trimmed = input.trimmed();
    const std::string& s = trimmed.str();
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';

    // The whole part in hundredths, saturating once it leaves the range.
    uint64_t hundredths = 0;
    constexpr uint64_t limit = uint64_t(kMax) + 1;
    bool digits = false;
    for (; i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == ','); ++i) {
        if (s[i] == ',')
            continue;
        digits = true;
        // Past a tenth of the largest unsigned value the next digit would
        // overflow, and the amount is out of range already.
        if (hundredths > (std::numeric_limits<uint64_t>::max() - 900) / 10)
            hundredths = limit + 1;
        else
            hundredths = std::min(hundredths * 10 + uint64_t(s[i] - '0') * 100, limit + 1);
    }
    uint64_t cents = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        int place = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++place) {
            digits = true;
            if (place < 2)
                cents = cents * 10 + uint64_t(s[i] - '0');
        }
        if (place == 1)
            cents *= 10;
    }
    if (!digits || i != s.size())
        return 0;

    hundredths = std::min(hundredths + cents, limit + 1);
    if (negative)
        return hundredths >= limit ? kMin : -int64_t(hundredths);
    return hundredths >= limit ? kMax : int64_t(hundredths);
}

OMString OMMoney::toString() const
{
    return formatHundredths(m_value, true);
}

OMString OMMoney::toPlainString() const
{
    return formatHundredths(m_value, false);
}

OMMoney OMMoney::multipliedBy(double quantity) const
{
    if (!std::isfinite(quantity))
        return 0;
    const double scaled = quantity * double(kQuantityScale);
    if (std::fabs(scaled) < 9.0e18) {
        const int64_t micro = std::llround(scaled);
        return OMWideArithmetic::mulDiv(m_value, micro, kQuantityScale);
    }
    // A quantity beyond 9e12 has no meaningful sixth decimal; take it whole.
    const double product = std::trunc(double(m_value) * quantity);
    if (product >= 9.2e18)
        return kMax;
    if (product <= -9.2e18)
        return kMin;
    return int64_t(product);
}

OMMoney OMMoney::multipliedBy(int64_t factor) const
{
    return OMWideArithmetic::mulDiv(m_value, factor, 1);
}

OMMoney OMMoney::scaledBy(int64_t numerator, int64_t denominator) const
{
    return OMWideArithmetic::mulDiv(m_value, numerator, denominator);
}

OMMoney& OMMoney::operator+=(OMMoney other)
{
    m_value = OMWideArithmetic::add(m_value, other.m_value);
    return *this;
}

OMMoney& OMMoney::operator-=(OMMoney other)
{
    m_value = OMWideArithmetic::subtract(m_value, other.m_value);
    return *this;
}

OMMoney OMMoney::operator-() const
{
    return OMWideArithmetic::negate(m_value);
}

} // namespace ombrel
