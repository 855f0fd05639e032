#pragma once

#include "OMString.h"

namespace ombrel {

/// A flag stored as "1" or "0". Any whole number other than 0 reads as true;
/// other text reads as false.
class OMBool
{
public:
    constexpr OMBool(bool value = false) : m_value(value) {}
    explicit OMBool(const OMString& text) : m_value(fromText(text)) {}
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
    OMString toString(const char* trueText = "1", const char* falseText = "0") const
    {
        return m_value ? OMString(trueText) : OMString(falseText);
    }

private:
    bool m_value;
};

} // namespace ombrel
