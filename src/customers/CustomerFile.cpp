#include "CustomerFile.h"

#include "fileformat/Archive.h"
#include "foundation/OMUInt32.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_set>

using namespace ombrel;

namespace {

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

// The file holds line breaks as "|". Values are short: a plain loop beats
// a search call.
OMString unescaped(std::string_view text)
{
    std::string value(text);
    for (char& c : value)
        if (c == '|')
            c = '\n';
    return OMString(std::move(value));
}

// OMUInt32::fromText of the unescaped text; plain digits, as every file the
// program writes holds, are read in place.
uint32_t numberOf(std::string_view text)
{
    if (!text.empty() && text.size() <= 9) {
        uint32_t value = 0;
        bool digits = true;
        for (const char c : text) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + uint32_t(c - '0');
        }
        if (digits)
            return value;
    }
    return OMUInt32::fromText(unescaped(text));
}

OMString* fieldNamed(Customer& c, std::string_view name)
{
    // Ordered by how often a file holds each name; all of them are in every record.
    switch (name.size()) {
    case 4:
        if (name == "name")
            return &c.name;
        if (name == "town")
            return &c.address.town;
        break;
    case 5:
        if (name == "title")
            return &c.title;
        if (name == "first")
            return &c.address.first;
        if (name == "phone")
            return &c.phone;
        break;
    case 3:
        if (name == "fax")
            return &c.fax;
        break;
    case 6:
        if (name == "county")
            return &c.address.county;
        if (name == "mobile")
            return &c.mobile;
        break;
    case 7:
        if (name == "surname")
            return &c.surname;
        if (name == "initial")
            return &c.initial;
        if (name == "company")
            return &c.company;
        break;
    case 8:
        if (name == "postcode")
            return &c.address.postcode;
        break;
    }
    return nullptr;
}

// Copies `value` to `to` with each line break (LF, CR LF or CR) as "|";
// returns the end of what it wrote.
char* copyEscaped(char* to, const std::string& value)
{
    const size_t size = value.size();
    std::memcpy(to, value.data(), size);
    bool cr = false;
    for (size_t i = 0; i < size; ++i) {
        cr |= to[i] == '\r';
        to[i] = to[i] == '\n' ? '|' : to[i];
    }
    if (!cr)
        return to + size;
    char* out = to;
    for (size_t i = 0; i < size; ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < size && value[i + 1] == '\n')
            ++i;
        *out++ = (c == '\r' || c == '\n') ? '|' : c;
    }
    return out;
}

} // namespace

CustomerFile::Contents CustomerFile::read(const QByteArray& input)
{
    const QByteArray text = Archive::toUtf8(input);
    Contents contents;
    Customer working;
    int fields = 0;
    bool inRetired = false;

    auto flush = [&] {
        if (fields > 0) {
            contents.customers.push_back(std::move(working));
            working = Customer();
            fields = 0;
        }
    };

    // One pass over the bytes: each line is a view into `text` until a value
    // is kept, and only a kept value is copied.
    const char* pos = text.constData();
    const char* const all = pos + text.size();
    while (pos < all) {
        const char* end = static_cast<const char*>(std::memchr(pos, '\n', size_t(all - pos)));
        if (!end)
            end = all;
        std::string_view line(pos, size_t(end - pos));
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;

        if (line.front() == '[') {
            flush();
            const size_t close = line.find(']');
            inRetired = close != std::string_view::npos && line.substr(1, close - 1) == "retired";
            if (inRetired)
                working.custno = 0;
            else if (close != std::string_view::npos) {
                working.custno = numberOf(line.substr(1, close - 1));
                contents.highest = std::max(contents.highest, working.custno);
            }
            continue;
        }

        // The name is short: find its end and any "|" in it in one loop.
        size_t eq = 0;
        bool barInName = false;
        while (eq < line.size() && line[eq] != '=') {
            barInName |= line[eq] == '|';
            ++eq;
        }
        if (eq == line.size() || eq == 0)
            continue;
        if (inRetired) {
            const uint32_t number = numberOf(trimmed(line.substr(0, eq)));
            if (number != 0) {
                contents.retired[number] = numberOf(trimmed(line.substr(eq + 1)));
                contents.highest = std::max(contents.highest, number);
            }
            continue;
        }
        // "|" stands for a line break anywhere in the line, the name included.
        std::string_view name = line.substr(0, eq);
        OMString escapedName;
        if (barInName) {
            escapedName = unescaped(name);
            name = escapedName.str();
        }
        if (OMString* field = fieldNamed(working, name)) {
            *field = unescaped(line.substr(eq + 1));
            ++fields;
        } else if (name == "custno") {
            working.custno = numberOf(line.substr(eq + 1));
            ++fields;
        } else if (working.readValue(OMString(std::string(name)), unescaped(line.substr(eq + 1)))) {
            // The fields added later, rare in a file.
            ++fields;
        }
    }
    flush();

    // A "custno" field can carry a number that no header named.
    for (const Customer& c : contents.customers)
        contents.highest = std::max(contents.highest, c.custno);
    // A retired number names no customer: one the file still holds under it
    // (written by a copy that did not know the number was retired) is dropped.
    if (!contents.retired.empty())
        contents.customers.remove_if(
            [&](const Customer& c) { return contents.retired.count(c.custno) != 0; });
    std::unordered_set<uint32_t> used;
    used.reserve(contents.customers.size() + contents.retired.size());
    for (const auto& [number, kept] : contents.retired)
        used.insert(number);
    std::vector<Customer*> unnumbered;
    for (Customer& c : contents.customers) {
        if (c.custno == 0 || !used.insert(c.custno).second)
            unnumbered.push_back(&c);
    }
    for (Customer* c : unnumbered) {
        c->custno = nextFreeNumber(contents.highest, used);
        used.insert(c->custno);
    }
    return contents;
}

void CustomerFile::write(const Customer& c, QByteArray& out)
{
    const std::pair<std::string_view, const OMString*> fields[] = {
        {"company=", &c.company},
        {"title=", &c.title},
        {"name=", &c.name},
        {"initial=", &c.initial},
        {"surname=", &c.surname},
        {"first=", &c.address.first},
        {"town=", &c.address.town},
        {"county=", &c.address.county},
        {"postcode=", &c.address.postcode},
        {"phone=", &c.phone},
        {"fax=", &c.fax},
        {"mobile=", &c.mobile},
    };
    // Escaping never lengthens a value, so the record fits in the bytes its
    // parts hold unescaped: written through a pointer, then cut to size.
    qsizetype bound = qsizetype(sizeof "\n[4294967295]\n");
    const auto later = c.laterFields();
    for (const auto& [name, value] : fields)
        bound += qsizetype(name.size() + value->str().size() + 1);
    for (const auto& [name, value] : later)
        bound += qsizetype(std::strlen(name) + 1 + value.str().size() + 1);
    const qsizetype start = out.size();
    if (out.capacity() < start + bound)
        out.reserve(std::max(start + bound, 2 * out.capacity()));
    out.resize(start + bound);
    char* p = out.data() + start;
    *p++ = '\n';
    *p++ = '[';
    p = std::to_chars(p, p + 10, c.custno).ptr;
    *p++ = ']';
    *p++ = '\n';
    for (const auto& [name, value] : fields) {
        std::memcpy(p, name.data(), name.size());
        p = copyEscaped(p + name.size(), value->str());
        *p++ = '\n';
    }
    for (const auto& [name, value] : later) {
        const size_t size = std::strlen(name);
        std::memcpy(p, name, size);
        p[size] = '=';
        p = copyEscaped(p + size + 1, value.str());
        *p++ = '\n';
    }
    out.resize(p - out.data());
}

void CustomerFile::writeRetired(const std::map<uint32_t, uint32_t>& retired, QByteArray& out)
{
    if (retired.empty())
        return;
    out += "\n[retired]\n";
    for (const auto& [number, kept] : retired) {
        out += QByteArray::number(number);
        out += '=';
        out += QByteArray::number(kept);
        out += '\n';
    }
}

uint32_t CustomerFile::nextFreeNumber(uint32_t& highest, const std::unordered_set<uint32_t>& used)
{
    if (highest < std::numeric_limits<uint32_t>::max())
        return ++highest;
    uint32_t n = 1;
    while (used.count(n))
        ++n;
    return n;
}
