#pragma once

#include "OMString.h"

#include <cstdint>

namespace ombrel {

/// An unsigned 32-bit number read from decimal text. Text that is not a whole
/// non-negative number reads as 0; numbers above the range read as its maximum.
class OMUInt32
{
public:
    constexpr OMUInt32(uint32_t value = 0) : m_value(value) {}
    explicit OMUInt32(const OMString& text) : m_value(fromText(text)) {}
    OMUInt32& operator=(uint32_t value)
    {
        m_value = value;
        return *this;
    }
    OMUInt32& operator=(const OMString& text)
    {
        m_value = fromText(text);
        return *this;
    }

    static uint32_t fromText(const OMString& text);

    constexpr operator uint32_t() const { return m_value; }
    constexpr uint32_t value() const { return m_value; }
    /// The value for a "%d" in a text: at most the largest int.
    constexpr int toInt() const { return m_value > 0x7FFFFFFFu ? 0x7FFFFFFF : int(m_value); }
    OMString toString(const char* format = "%u") const;

private:
    uint32_t m_value;
};

} // namespace ombrel
