#include "OMDate.h"

#include "OMException.h"

#include <QDate>
#include <algorithm>
#include <cstdio>

namespace ombrel {

OMDate::OMDate(int day, int month, int year, bool validate)
{
    // Files hold a date as eight digits, so a year outside 1 to 9999 is no
    // date either.
    const QDate date(year, month, day);
    if (date.isValid() && year >= 1 && year <= 9999)
        m_julian = date.toJulianDay();
    else if (validate)
        throw OMInvalidDateException("no such date");
}

OMDate OMDate::today()
{
    return fromJulian(QDate::currentDate().toJulianDay());
}

OMDate OMDate::fromJulian(int64_t julian)
{
    OMDate date;
    date.m_julian = QDate::fromJulianDay(julian).isValid() ? julian : 0;
    return date;
}

int OMDate::year() const
{
    return isEmpty() ? 0 : QDate::fromJulianDay(m_julian).year();
}

bool OMDate::set(const OMString& text, const OMString& format)
{
    const std::string& t = text.str();
    const std::string& f = format.str();
    int day = 0, month = 0, year = 0;
    size_t ti = 0;
    bool fits = true;
    auto readDigits = [&](size_t count, int& out) {
        if (ti + count > t.size()) {
            fits = false;
            return;
        }
        int value = 0;
        for (size_t k = 0; k < count; ++k) {
            const char c = t[ti + k];
            if (c < '0' || c > '9') {
                fits = false;
                return;
            }
            value = value * 10 + (c - '0');
        }
        out = value;
        ti += count;
    };
    for (size_t fi = 0; fi < f.size() && fits;) {
        if (f.compare(fi, 4, "YYYY") == 0) {
            readDigits(4, year);
            fi += 4;
        } else if (f.compare(fi, 2, "MM") == 0) {
            readDigits(2, month);
            fi += 2;
        } else if (f.compare(fi, 2, "DD") == 0) {
            readDigits(2, day);
            fi += 2;
        } else {
            if (ti >= t.size() || t[ti] != f[fi])
                fits = false;
            ++ti;
            ++fi;
        }
    }
    if (!fits || ti != t.size()) {
        m_julian = 0;
        return false;
    }
    *this = OMDate(day, month, year, false);
    return !isEmpty();
}

OMString OMDate::toString(const OMString& format) const
{
    if (isEmpty())
        return {};
    const QDate date = QDate::fromJulianDay(m_julian);
    const std::string& f = format.str();
    std::string out;
    // Plain digits (integers print alike in every locale), as "%04d" and "%02d".
    const auto number = [&out](int value, int width) {
        char digits[16];
        const int length = std::snprintf(digits, sizeof digits, "%0*d", width, value);
        out.append(digits, size_t(std::max(length, 0)));
    };
    for (size_t fi = 0; fi < f.size();) {
        if (f.compare(fi, 4, "YYYY") == 0) {
            number(date.year(), 4);
            fi += 4;
        } else if (f.compare(fi, 2, "MM") == 0) {
            number(date.month(), 2);
            fi += 2;
        } else if (f.compare(fi, 2, "DD") == 0) {
            number(date.day(), 2);
            fi += 2;
        } else {
            out += f[fi++];
        }
    }
    return OMString(std::move(out));
}

OMString OMDate::inWords(bool withYear) const
{
    if (isEmpty())
        return {};
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    const QDate date = QDate::fromJulianDay(m_julian);
    const char* month = months[date.month() - 1];
    return withYear ? OMString::format("%d %s %d", date.day(), month, date.year())
                    : OMString::format("%d %s", date.day(), month);
}

OMDate& OMDate::operator+=(int days)
{
    if (!isEmpty())
        *this = fromJulian(m_julian + days);
    return *this;
}

} // namespace ombrel
