#include "CustomerFile.h"

#include "foundation/OMUInt32.h"

#include <charconv>
#include <limits>
#include <string_view>
#include <unordered_set>

using namespace ombrel;

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// Strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF), checked
// in place: a database is mostly ASCII, and the check runs at every load.
bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= extra; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        }
        p += extra + 1;
    }
    return true;
}

// A file that is not UTF-8 was made on Windows.
QByteArray utf8Text(const QByteArray& bytes)
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

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view line)
{
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

// The file holds line breaks as "|".
OMString unescaped(std::string_view text)
{
    std::string value(text);
    for (size_t at = value.find('|'); at != std::string::npos; at = value.find('|', at + 1))
        value[at] = '\n';
    return OMString(std::move(value));
}

OMString* fieldNamed(Customer& c, std::string_view name)
{
    // Ordered by how often a file holds each name; all of them are in every record.
    switch (name.size()) {
    case 4:
        if (name == "name") return &c.name;
        if (name == "town") return &c.address.town;
        break;
    case 5:
        if (name == "title") return &c.title;
        if (name == "first") return &c.address.first;
        if (name == "phone") return &c.phone;
        break;
    case 3:
        if (name == "fax") return &c.fax;
        break;
    case 6:
        if (name == "county") return &c.address.county;
        if (name == "mobile") return &c.mobile;
        break;
    case 7:
        if (name == "surname") return &c.surname;
        if (name == "initial") return &c.initial;
        if (name == "company") return &c.company;
        break;
    case 8:
        if (name == "postcode") return &c.address.postcode;
        break;
    }
    return nullptr;
}

uint32_t nextFree(uint32_t& highest, const std::unordered_set<uint32_t>& used)
{
    // Past the top of the range the lowest unused number is taken instead.
    if (highest < std::numeric_limits<uint32_t>::max())
        return ++highest;
    for (uint32_t n = 1;; ++n) {
        if (!used.count(n))
            return n;
    }
}

void appendEscaped(QByteArray& out, const OMString& value)
{
    const std::string& s = value.str();
    size_t from = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c != '\n' && c != '\r')
            continue;
        out.append(s.data() + from, qsizetype(i - from));
        if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            ++i;
        out.append('|');
        from = i + 1;
    }
    out.append(s.data() + from, qsizetype(s.size() - from));
}

} // namespace

CustomerFile::Contents CustomerFile::read(const QByteArray& input)
{
    const QByteArray text = utf8Text(input);
    Contents contents;
    Customer working;
    int fields = 0;

    auto flush = [&] {
        if (fields > 0) {
            contents.customers.push_back(std::move(working));
            working = Customer();
            fields = 0;
        }
    };

    const std::string_view all(text.constData(), size_t(text.size()));
    contents.customers.reserve(size_t(text.count('[')));
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = all.find('\n', pos);
        if (end == std::string_view::npos)
            end = all.size();
        std::string_view line = all.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;

        if (line.front() == '[') {
            flush();
            const size_t close = line.find(']');
            if (close != std::string_view::npos) {
                working.custno = OMUInt32::fromText(unescaped(line.substr(1, close - 1)));
                contents.highest = std::max(contents.highest, working.custno);
            }
            continue;
        }

        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0)
            continue;
        // "|" stands for a line break anywhere in the line, the name included.
        std::string_view name = line.substr(0, eq);
        OMString escapedName;
        if (name.find('|') != std::string_view::npos) {
            escapedName = unescaped(name);
            name = escapedName.str();
        }
        if (OMString* field = fieldNamed(working, name)) {
            *field = unescaped(line.substr(eq + 1));
            ++fields;
        } else if (name == "custno") {
            working.custno = OMUInt32::fromText(unescaped(line.substr(eq + 1)));
            ++fields;
        }
    }
    flush();

    // A "custno" field can carry a number that no header named.
    for (const Customer& c : contents.customers)
        contents.highest = std::max(contents.highest, c.custno);
    std::unordered_set<uint32_t> used;
    used.reserve(contents.customers.size());
    std::vector<Customer*> unnumbered;
    for (Customer& c : contents.customers) {
        if (c.custno == 0 || !used.insert(c.custno).second)
            unnumbered.push_back(&c);
    }
    for (Customer* c : unnumbered) {
        c->custno = nextFree(contents.highest, used);
        used.insert(c->custno);
    }
    return contents;
}

void CustomerFile::write(const Customer& c, QByteArray& out)
{
    char number[16];
    const auto [end, ec] = std::to_chars(number, number + sizeof number, c.custno);
    (void)ec;
    out.append("\n[", 2);
    out.append(number, qsizetype(end - number));
    out.append("]\n", 2);
    const std::pair<std::string_view, const OMString*> fields[] = {
        {"company=", &c.company},        {"title=", &c.title},
        {"name=", &c.name},              {"initial=", &c.initial},
        {"surname=", &c.surname},        {"first=", &c.address.first},
        {"town=", &c.address.town},      {"county=", &c.address.county},
        {"postcode=", &c.address.postcode}, {"phone=", &c.phone},
        {"fax=", &c.fax},                {"mobile=", &c.mobile},
    };
    for (const auto& [name, value] : fields) {
        out.append(name.data(), qsizetype(name.size()));
        appendEscaped(out, *value);
        out.append('\n');
    }
}
