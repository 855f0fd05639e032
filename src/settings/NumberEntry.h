#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

/**
 * A number as the user typed it into a grid cell, read exactly by the user's
 * locale: digits, the locale's decimal separator and its thousands separator
 * in their places ("1,234.5" in English, "1.234,5" in German). The other
 * separator ("," in English) is taken for the decimals only where it cannot
 * be a thousands separator ("1,5" and "12,50" are decimals, "1,500" is a
 * thousand and a half hundred). Whatever does not read exactly (letters, a
 * second decimal separator, groups out of place, more decimals than the
 * field keeps, more digits than it holds exactly) is refused with a reason,
 * never cut short or read another way.
 *
 *     const NumberEntry entry = NumberEntry::read(text, 2);
 *     if (!entry.ok()) refuse(entry.error);
 *     else price = OMMoney(OMString::fromQString(entry.number));   // "1234.5"
 */
class NumberEntry
{
public:
    /// The number in the files' form ("-1234.5"; "0" for an empty entry).
    QString number;
    /// Why the text was refused; empty when it was read.
    QString error;
    bool ok() const { return error.isEmpty(); }

    /// Reads `text` with at most `decimals` decimals (trailing zeros aside).
    static NumberEntry read(const QString& text, int decimals, const QLocale& locale = QLocale());

    /// The bound no total may pass: 10^12 in the currency, in hundredths.
    /// Far beyond any real job, far within what the figures can hold.
    static constexpr int64_t MaxTotalHundredths = 100'000'000'000'000;
    /// Whether an amount in hundredths lies within the bound.
    static bool withinBound(int64_t hundredths)
    {
        return hundredths >= -MaxTotalHundredths && hundredths <= MaxTotalHundredths;
    }
    /// The message for an entry that would take a total past the bound.
    static QString beyondBoundMessage(const QString& text);
};
