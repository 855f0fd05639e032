#include "OMUInt32.h"

#include <limits>

namespace ombrel {

uint32_t OMUInt32::fromText(const OMString& input)
{
    const OMString trimmed = input.trimmed();
    const std::string& s = trimmed.str();
    size_t i = (!s.empty() && s[0] == '+') ? 1 : 0;
    if (i == s.size())
        return 0;
    uint64_t value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return 0;
        value = value * 10 + uint64_t(s[i] - '0');
        if (value > std::numeric_limits<uint32_t>::max())
            value = uint64_t(std::numeric_limits<uint32_t>::max()) + 1;
    }
    return value > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                        : uint32_t(value);
}

OMString OMUInt32::toString(const char* format) const
{
    return OMString::format(format, m_value);
}

} // namespace ombrel
