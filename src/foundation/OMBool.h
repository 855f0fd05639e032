#pragma once

#include "OMString.h"

namespace ombrel {

/// A flag stored as "1" or "0". Any whole number other than 0 reads as true;
/// other text reads as false.
class OMBool
{
public:
    constexpr OMBool(bool value = false) : m_value(value) {}
    OMBool& operator=(bool value)
    {
        m_value = value;
        return *this;
    }
    OMBool& operator=(const OMString& text)
    {
        m_value = fromText(text);
        return *this;
    }

    static bool fromText(const OMString& text);

    constexpr operator bool() const { return m_value; }
    OMString toString() const { return m_value ? OMString("1") : OMString("0"); }

private:
    bool m_value;
};

} // namespace ombrel
