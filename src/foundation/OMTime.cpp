#include "OMTime.h"

#include <QDateTime>
#include <ctime>

namespace ombrel {

namespace {

// Seconds since 1970 for a local date and time away from any clock change
// (the zone's offset the same a day before and a day after, and the time
// reading back as given); false near one, where a time may be skipped or
// repeated. localtime_r() reads the zone once a process, where QDateTime's
// conversions look at the zone file again each time: a scan of many
// documents paid that for every timestamp it read.
bool steadyLocalToSeconds(const int fields[6], int64_t* seconds)
{
    if (fields[0] < 1971 || fields[0] > 2036)
        return false;
    std::tm wanted{};
    wanted.tm_year = fields[0] - 1900;
    wanted.tm_mon = fields[1] - 1;
    wanted.tm_mday = fields[2];
    wanted.tm_hour = fields[3];
    wanted.tm_min = fields[4];
    wanted.tm_sec = fields[5];
    const time_t asIfUtc = timegm(&wanted);
    constexpr time_t Day = 24 * 3600;
    std::tm before{};
    std::tm after{};
    const time_t dayBefore = asIfUtc - Day;
    const time_t dayAfter = asIfUtc + Day;
    if (!localtime_r(&dayBefore, &before) || !localtime_r(&dayAfter, &after) ||
        before.tm_gmtoff != after.tm_gmtoff)
        return false;
    const time_t result = asIfUtc - before.tm_gmtoff;
    std::tm local{};
    if (!localtime_r(&result, &local) || local.tm_gmtoff != before.tm_gmtoff ||
        local.tm_year != wanted.tm_year || local.tm_mon != wanted.tm_mon ||
        local.tm_mday != wanted.tm_mday || local.tm_hour != wanted.tm_hour ||
        local.tm_min != wanted.tm_min || local.tm_sec != wanted.tm_sec)
        return false;
    *seconds = int64_t(result);
    return true;
}

} // namespace

OMTime::OMTime(bool now)
{
    if (now)
        m_seconds = QDateTime::currentSecsSinceEpoch();
}

OMTime OMTime::fromSeconds(int64_t seconds)
{
    OMTime time;
    time.m_seconds = seconds;
    return time;
}

bool OMTime::set(const OMString& text, const OMString& format)
{
    const std::string& t = text.str();
    const std::string& f = format.str();
    int fields[6] = {0, 0, 0, 0, 0, 0}; // year, month, day, hour, minute, second
    static const struct
    {
        const char* token;
        size_t width;
        int field;
    } tokens[] = {{"YYYY", 4, 0}, {"MM", 2, 1}, {"DD", 2, 2},
                  {"hh", 2, 3},   {"mm", 2, 4}, {"ss", 2, 5}};
    size_t ti = 0;
    m_seconds = 0;
    for (size_t fi = 0; fi < f.size();) {
        bool matched = false;
        for (const auto& token : tokens) {
            if (f.compare(fi, token.width, token.token) != 0)
                continue;
            if (ti + token.width > t.size())
                return false;
            int value = 0;
            for (size_t k = 0; k < token.width; ++k) {
                const char c = t[ti + k];
                if (c < '0' || c > '9')
                    return false;
                value = value * 10 + (c - '0');
            }
            fields[token.field] = value;
            ti += token.width;
            fi += token.width;
            matched = true;
            break;
        }
        if (!matched) {
            if (ti >= t.size() || t[ti] != f[fi])
                return false;
            ++ti;
            ++fi;
        }
    }
    if (ti != t.size())
        return false;
    if (QDate::isValid(fields[0], fields[1], fields[2]) &&
        QTime::isValid(fields[3], fields[4], fields[5]) && steadyLocalToSeconds(fields, &m_seconds))
        return true;
    const QDateTime dateTime(QDate(fields[0], fields[1], fields[2]),
                             QTime(fields[3], fields[4], fields[5]));
    if (!dateTime.isValid())
        return false;
    m_seconds = dateTime.toSecsSinceEpoch();
    return true;
}

OMString OMTime::toString(const char* format) const
{
    if (!isSet())
        return {};
    const QDateTime dateTime = QDateTime::fromSecsSinceEpoch(m_seconds);
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    OMString out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'Y':
            out += OMString::format("%04d", date.year());
            break;
        case 'm':
            out += OMString::format("%02d", date.month());
            break;
        case 'd':
            out += OMString::format("%02d", date.day());
            break;
        case 'H':
            out += OMString::format("%02d", time.hour());
            break;
        case 'M':
            out += OMString::format("%02d", time.minute());
            break;
        case 'S':
            out += OMString::format("%02d", time.second());
            break;
        case '%':
            out += '%';
            break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}

OMDate OMTime::toDate() const
{
    if (!isSet())
        return {};
    return OMDate::fromJulian(QDateTime::fromSecsSinceEpoch(m_seconds).date().toJulianDay());
}

} // namespace ombrel
