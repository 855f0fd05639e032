#pragma once

#include "OMDate.h"
#include "OMString.h"

#include <cstdint>

namespace ombrel {

/// A timestamp in local time, held as seconds since 1970; 0 means unset.
class OMTime
{
public:
    /// OMTime(true) is now; OMTime(false) is unset.
    explicit OMTime(bool now = false);

    static OMTime fromSeconds(int64_t seconds);
    bool isSet() const { return m_seconds != 0; }

    /// Parses a text laid out by a format of the tokens YYYY MM DD hh mm ss,
    /// such as "YYYYMMDDhhmmss". A text that does not fit leaves the time unset.
    bool set(const OMString& text, const OMString& format);
    /// Prints with the strftime conversions %Y %m %d %H %M %S and %%; an unset
    /// time prints as an empty text.
    OMString toString(const char* format) const;
    /// The date part; the empty date when unset.
    OMDate toDate() const;

    friend bool operator==(const OMTime& a, const OMTime& b) = default;
    friend auto operator<=>(const OMTime& a, const OMTime& b) = default;

private:
    int64_t m_seconds = 0;
};

} // namespace ombrel
