#include "OMString.h"

#include <QByteArray>
#include <algorithm>
#include <cstdarg>
#include <limits>
#include <string_view>

namespace ombrel {

namespace {

char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool equalBytes(std::string_view a, std::string_view b, int mode)
{
    if (a.size() != b.size())
        return false;
    if (mode == OMString::CaseSensitive)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return foldCase(x) == foldCase(y); });
}

} // namespace

OMString OMString::fromQString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return OMString(std::string(utf8.constData(), size_t(utf8.size())));
}

OMString OMString::format(const char* fmt, ...)
{
    // QString::vasprintf formats numbers in the C locale whatever the user's
    // locale is, which is what files and settings need.
    va_list args;
    va_start(args, fmt);
    const QString text = QString::vasprintf(fmt, args);
    va_end(args);
    return fromQString(text);
}

OMString OMString::left(int count) const
{
    if (count <= 0)
        return {};
    return OMString(m_text.substr(0, size_t(count)));
}

OMString OMString::mid(int pos, int count) const
{
    if (pos < 0 || size_t(pos) >= m_text.size())
        return {};
    return OMString(m_text.substr(size_t(pos), count < 0 ? std::string::npos : size_t(count)));
}

int OMString::first(char c) const
{
    const size_t at = m_text.find(c);
    return at == std::string::npos ? -1 : int(at);
}

bool OMString::startsWith(const OMString& prefix, int mode) const
{
    if (prefix.m_text.size() > m_text.size())
        return false;
    return equalBytes(std::string_view(m_text).substr(0, prefix.m_text.size()), prefix.m_text,
                      mode);
}

bool OMString::endsWith(const OMString& suffix, int mode) const
{
    if (suffix.m_text.size() > m_text.size())
        return false;
    return equalBytes(std::string_view(m_text).substr(m_text.size() - suffix.m_text.size()),
                      suffix.m_text, mode);
}

int OMString::replaceAll(const OMString& from, const OMString& to)
{
    if (from.isEmpty())
        return 0;
    std::string result;
    result.reserve(m_text.size());
    int replaced = 0;
    size_t pos = 0;
    for (;;) {
        const size_t at = m_text.find(from.m_text, pos);
        if (at == std::string::npos)
            break;
        result.append(m_text, pos, at - pos);
        result += to.m_text;
        pos = at + from.m_text.size();
        ++replaced;
    }
    if (replaced) {
        result.append(m_text, pos, std::string::npos);
        m_text.swap(result);
    }
    return replaced;
}

int32_t OMString::toInt32() const
{
    size_t i = 0;
    while (i < m_text.size() && (m_text[i] == ' ' || m_text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < m_text.size() && (m_text[i] == '-' || m_text[i] == '+'))
        negative = m_text[i++] == '-';
    int64_t value = 0;
    for (; i < m_text.size() && m_text[i] >= '0' && m_text[i] <= '9'; ++i) {
        value = value * 10 + (m_text[i] - '0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            value = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    }
    if (negative)
        value = -value;
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

OMString OMString::trimmed() const
{
    size_t begin = 0;
    size_t end = m_text.size();
    while (begin < end && (m_text[begin] == ' ' || m_text[begin] == '\t'))
        ++begin;
    while (end > begin && (m_text[end - 1] == ' ' || m_text[end - 1] == '\t'))
        --end;
    return OMString(m_text.substr(begin, end - begin));
}

} // namespace ombrel
