#pragma once

#include "OMString.h"

#include <cstdint>

namespace ombrel {

/**
 * A calendar date held as a day number (the Julian day); 0 is the empty date.
 *
 * Formats are made of the tokens YYYY, MM and DD; every other character stands
 * for itself ("YYYYMMDD", "DD/MM/YYYY", "MM/DD/YYYY").
 */
class OMDate
{
public:
    OMDate() = default;
    /// A day, month and year (1 to 9999, the years files can hold). With
    /// `validate` a combination that makes no such date throws
    /// OMInvalidDateException; without it the combination gives the empty date.
    OMDate(int day, int month, int year, bool validate);

    static OMDate today();
    static OMDate fromJulian(int64_t julian);

    int64_t julian() const { return m_julian; }
    bool isEmpty() const { return m_julian == 0; }
    int year() const;

    /// Parses `text` laid out by `format`; a text that does not fit, or that
    /// makes no calendar date, gives the empty date. Returns whether a date
    /// was read.
    bool set(const OMString& text, const OMString& format);
    /// The empty date prints as an empty text.
    OMString toString(const OMString& format) const;
    /// The ISO 8601 form, "2026-10-08", of exports and reports; empty for the
    /// empty date.
    OMString isoText() const { return toString("YYYY-MM-DD"); }
    /// "8 October 2026", or "8 October" without the year, in English whatever
    /// the locale (the program's texts are English); empty for the empty date.
    OMString inWords(bool withYear = true) const;

    OMDate& operator+=(int days);
    friend bool operator==(const OMDate& a, const OMDate& b) = default;
    friend auto operator<=>(const OMDate& a, const OMDate& b) = default;

private:
    int64_t m_julian = 0;
};

} // namespace ombrel
