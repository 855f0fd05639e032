#pragma once

#include "OMString.h"

#include <compare>
#include <cstdint>

namespace ombrel {

/**
 * An amount of money: a signed 64-bit count of hundredths of the currency unit.
 *
 * Text form (toString): two decimals, "," between groups of thousands and a
 * leading "-" when negative: 0.00, 12.00, 1,234.56, -5.00. toPlainString()
 * leaves the commas out (-1234.56).
 *
 * Reading text (fromText) accepts both forms and the short ones (12, 12.5, .5,
 * -3, 12.): blanks and tabs around the number are ignored, a "+" or "-" may
 * lead, commas in the whole part are skipped, at most two decimals are read and
 * further decimal digits are truncated toward zero. Anything else (letters,
 * a second point, a currency symbol, an empty text) reads as 0. Amounts beyond
 * the 64-bit range are clamped to it.
 *
 * Products with quantities (hours, counts, distances, VAT rates) are worked out
 * exactly on decimals and truncated toward zero; nothing rounds to nearest.
 */
class OMMoney
{
public:
    constexpr OMMoney() = default;
    constexpr OMMoney(int hundredths) : m_value(hundredths) {}
    constexpr OMMoney(int64_t hundredths) : m_value(hundredths) {}
    explicit OMMoney(const OMString& text) : m_value(fromText(text)) {}
    explicit OMMoney(const char* text) : m_value(fromText(OMString(text))) {}

    static int64_t fromText(const OMString& text);

    constexpr int64_t value() const { return m_value; }

    OMString toString() const;
    OMString toPlainString() const;

    /**
     * This amount times a quantity, truncated toward zero to whole hundredths.
     * The quantity is taken at six decimals (the precision files store), so
     * 1.15 hours is exactly 1.15 and not the nearest binary fraction below it.
     */
    OMMoney multipliedBy(double quantity) const;
    /// This amount times a whole number, clamped to the 64-bit range.
    OMMoney multipliedBy(int64_t factor) const;
    /// This amount times numerator / denominator, truncated toward zero.
    OMMoney scaledBy(int64_t numerator, int64_t denominator) const;

    OMMoney& operator+=(OMMoney other);
    OMMoney& operator-=(OMMoney other);
    friend OMMoney operator+(OMMoney a, OMMoney b) { return a += b; }
    friend OMMoney operator-(OMMoney a, OMMoney b) { return a -= b; }
    OMMoney operator-() const;

    friend constexpr bool operator==(OMMoney a, OMMoney b) = default;
    friend constexpr std::strong_ordering operator<=>(OMMoney a, OMMoney b) = default;
    friend std::ostream& operator<<(std::ostream& out, OMMoney m) { return out << m.toString(); }

private:
    int64_t m_value = 0;
};

} // namespace ombrel
