#include "CustomerVCard.h"

#include <QString>
#include <QStringList>

namespace {

QString q(const ombrel::OMString& s)
{
    return s.toQString();
}

/// Appends `line` folded into lines of at most 75 bytes, each continuation
/// starting with a space; a UTF-8 sequence is never split.
void appendFolded(const QByteArray& line, QByteArray& out)
{
    qsizetype start = 0;
    qsizetype limit = 75;
    while (line.size() - start > limit) {
        qsizetype cut = start + limit;
        while (cut > start && (uchar(line.at(cut)) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        limit = 74; // the leading space counts
    }
    out += line.mid(start);
    out += "\r\n";
}

} // namespace

QByteArray CustomerVCard::escaped(const QString& value)
{
    QString v = value;
    v.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QString out;
    for (const QChar c : v) {
        if (c == u'\\' || c == u',' || c == u';')
            out += u'\\';
        if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out.toUtf8();
}

QByteArray CustomerVCard::write(const std::vector<Customer>& customers, int version)
{
    const bool four = version >= 4;
    QByteArray out;
    for (const Customer& c : customers) {
        QStringList nameParts;
        for (const ombrel::OMString* part : {&c.title, &c.name, &c.initial, &c.surname})
            if (!part->isEmpty())
                nameParts << q(*part);
        QString formatted = nameParts.join(u' ');
        if (formatted.isEmpty())
            formatted = q(c.company);

        auto line = [&](const char* name, const QByteArray& value) {
            appendFolded(QByteArray(name) + ':' + value, out);
        };
        auto text = [&](const char* name, const ombrel::OMString& value) {
            if (!value.isEmpty())
                line(name, escaped(q(value)));
        };
        line("BEGIN", "VCARD");
        line("VERSION", four ? "4.0" : "3.0");
        line("FN", escaped(formatted));
        line("N", escaped(q(c.surname)) + ';' + escaped(q(c.name)) + ';' + escaped(q(c.initial)) +
                      ';' + escaped(q(c.title)) + ';');
        text("ORG", c.company);
        const ombrel::OMString* address[] = {&c.address.first, &c.address.town, &c.address.county,
                                             &c.address.postcode, &c.country};
        bool anyAddress = false;
        for (const ombrel::OMString* part : address)
            anyAddress |= !part->isEmpty();
        if (anyAddress) {
            QByteArray adr = ";;";
            for (size_t i = 0; i < std::size(address); ++i)
                adr += (i ? ";" : "") + escaped(q(*address[i]));
            line(four ? "ADR;TYPE=work" : "ADR;TYPE=WORK", adr);
        }
        const std::pair<const char*, const ombrel::OMString*> phones[] = {
            {four ? "TEL;VALUE=text;TYPE=voice" : "TEL;TYPE=VOICE", &c.phone},
            {four ? "TEL;VALUE=text;TYPE=cell" : "TEL;TYPE=CELL", &c.mobile},
            {four ? "TEL;VALUE=text;TYPE=fax" : "TEL;TYPE=FAX", &c.fax}};
        for (const auto& [name, value] : phones)
            text(name, *value);
        text("EMAIL", c.email);
        if (c.custno)
            line("UID", four ? "urn:vorlane:customer:" + QByteArray::number(c.custno)
                             : "vorlane-customer-" + QByteArray::number(c.custno));
        line("END", "VCARD");
    }
    return out;
}
