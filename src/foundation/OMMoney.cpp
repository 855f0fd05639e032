#include "OMMoney.h"

#include <cmath>
#include <limits>
#include <string>

namespace ombrel {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

int64_t clampToInt64(__int128 value)
{
    if (value > __int128(kMax))
        return kMax;
    if (value < __int128(kMin))
        return kMin;
    return int64_t(value);
}

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

    __int128 whole = 0;
    bool digits = false;
    bool saturated = false;
    for (; i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == ','); ++i) {
        if (s[i] == ',')
            continue;
        digits = true;
        if (!saturated) {
            whole = whole * 10 + (s[i] - '0');
            if (whole > __int128(kMax))
                saturated = true;
        }
    }
    int cents = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        int place = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++place) {
            digits = true;
            if (place < 2)
                cents = cents * 10 + (s[i] - '0');
        }
        if (place == 1)
            cents *= 10;
    }
    if (!digits || i != s.size())
        return 0;

    __int128 value = saturated ? __int128(kMax) * 100 : whole * 100 + cents;
    if (negative)
        value = -value;
    return clampToInt64(value);
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
        return clampToInt64(__int128(m_value) * micro / kQuantityScale);
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
    return clampToInt64(__int128(m_value) * factor);
}

OMMoney OMMoney::scaledBy(int64_t numerator, int64_t denominator) const
{
    if (denominator == 0)
        return 0;
    // C++ division truncates toward zero, as every money product must.
    return clampToInt64(__int128(m_value) * numerator / denominator);
}

OMMoney& OMMoney::operator+=(OMMoney other)
{
    m_value = clampToInt64(__int128(m_value) + other.m_value);
    return *this;
}

OMMoney& OMMoney::operator-=(OMMoney other)
{
    m_value = clampToInt64(__int128(m_value) - other.m_value);
    return *this;
}

OMMoney OMMoney::operator-() const
{
    return clampToInt64(-__int128(m_value));
}

} // namespace ombrel
