#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <ostream>
#include <string>

namespace ombrel {

/// 8-bit text holding UTF-8. Positions and lengths count bytes.
class OMString
{
public:
    OMString() = default;
    OMString(const char* text) : m_text(text ? text : "") {}
    OMString(std::string text) : m_text(std::move(text)) {}

    static OMString fromQString(const QString& text);
    QString toQString() const { return QString::fromUtf8(m_text.data(), qsizetype(m_text.size())); }

    /// printf-style formatting that ignores the user's locale.
    [[gnu::format(printf, 1, 2)]] static OMString format(const char* fmt, ...);

    const std::string& str() const { return m_text; }
    const char* c_str() const { return m_text.c_str(); }

    bool isEmpty() const { return m_text.empty(); }
    void clear() { m_text.clear(); }
    int length() const { return int(m_text.size()); }

    OMString left(int count) const;
    OMString mid(int pos, int count = -1) const;
    /// Position of the first `c`, or -1 when absent.
    int first(char c) const;

    enum CaseMode { CaseSensitive = 0, CaseInsensitive = 1 };
    /// Case-insensitive mode folds ASCII letters only.
    bool startsWith(const OMString& prefix, int mode = CaseSensitive) const;
    bool endsWith(const OMString& suffix, int mode = CaseSensitive) const;

    /// Replaces every occurrence of `from`; returns how many were replaced.
    int replaceAll(const OMString& from, const OMString& to);
    /// Leading decimal integer (after blanks); 0 when there are no digits; clamped.
    int32_t toInt32() const;
    /// A copy without leading and trailing blanks and tabs.
    OMString trimmed() const;

    OMString& operator+=(const OMString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    OMString& operator+=(const char* other)
    {
        m_text += other;
        return *this;
    }
    OMString& operator+=(char c)
    {
        m_text += c;
        return *this;
    }
    friend OMString operator+(OMString a, const OMString& b) { return a += b; }

    friend bool operator==(const OMString& a, const OMString& b) = default;
    friend std::strong_ordering operator<=>(const OMString& a, const OMString& b) = default;
    friend bool operator==(const OMString& a, const char* b) { return a.m_text == b; }
    friend std::ostream& operator<<(std::ostream& out, const OMString& s)
    {
        return out << s.m_text;
    }

private:
    std::string m_text;
};

} // namespace ombrel
