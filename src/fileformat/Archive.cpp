#include "Archive.h"

#include <QString>
#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// Well-formed UTF-8: no stray continuation bytes, no overlong forms,
// no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Text is mostly ASCII: pass it eight bytes at a time.
        while (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080u)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        unsigned min = 0;
        unsigned code = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            min = 0x80;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            min = 0x800;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            min = 0x10000;
            code = c & 0x07;
        } else
            return false;
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

} // namespace

Archive Archive::forReading(const QByteArray& bytes)
{
    Archive archive(false);
    // Editors on Windows may start a UTF-8 file with a byte-order mark.
    static const QByteArray bom("\xEF\xBB\xBF");
    archive.m_data = toUtf8(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes);
    return archive;
}

Archive Archive::forWriting()
{
    return Archive(true);
}

QByteArray Archive::toUtf8(const QByteArray& bytes)
{
    if (isValidUtf8(bytes))
        return bytes;
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text.toUtf8();
}

bool Archive::readLine(ombrel::OMString& line)
{
    std::string_view view;
    if (!readLine(view))
        return false;
    line = ombrel::OMString(std::string(view));
    return true;
}

bool Archive::readLine(std::string_view& line)
{
    if (m_storing || m_position >= m_data.size())
        return false;
    const char* const data = m_data.constData();
    const auto* found = static_cast<const char*>(
        std::memchr(data + m_position, '\n', size_t(m_data.size() - m_position)));
    const qsizetype end = found ? qsizetype(found - data) : m_data.size();
    const qsizetype next = found ? end + 1 : m_data.size();
    qsizetype stop = end;
    if (stop > m_position && data[stop - 1] == '\r')
        --stop;
    line = std::string_view(data + m_position, size_t(stop - m_position));
    m_position = next;
    return true;
}
