#include "CustomerCsv.h"

#include "foundation/OMUInt32.h"

#include <QStringDecoder>

using ombrel::OMString;

namespace {

constexpr const char* Names[CustomerCsv::ColumnCount] = {
    "Number",   "Title",          "First name",      "Initial",
    "Surname",  "Company",        "Address",         "Town",
    "County",   "Postcode",       "Phone",           "Mobile",
    "Fax",      "E-mail",         "VAT number",      "Country",
    "Business", "CIS contractor", "End user notice", "CIS rate"};

/// Splits `text` into records of fields; a quote left open at the end is
/// reported with the line it opened on.
struct Splitter
{
    const QString& text;
    QChar separator;
    qsizetype pos = 0;
    int line = 1;

    bool atEnd() const { return pos >= text.size(); }

    /// The next record; false with `error` set when a quoted field never closes.
    bool next(QStringList& fields, int& startLine, QString& error)
    {
        fields.clear();
        startLine = line;
        QString field;
        bool quoted = false;
        bool wasQuoted = false;
        int quoteLine = line;
        while (pos < text.size()) {
            const QChar c = text.at(pos++);
            if (quoted) {
                if (c == u'"') {
                    if (pos < text.size() && text.at(pos) == u'"') {
                        field += u'"';
                        ++pos;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == u'\n')
                        ++line;
                    // Line breaks inside a field are kept as LF.
                    if (c == u'\r' && pos < text.size() && text.at(pos) == u'\n')
                        continue;
                    field += c == u'\r' ? QChar(u'\n') : c;
                }
            } else if (c == u'"' && field.trimmed().isEmpty() && !wasQuoted) {
                quoted = wasQuoted = true;
                quoteLine = line;
                field.clear();
            } else if (c == separator) {
                fields << (wasQuoted ? field : field.trimmed());
                field.clear();
                wasQuoted = false;
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && pos < text.size() && text.at(pos) == u'\n')
                    ++pos;
                ++line;
                fields << (wasQuoted ? field : field.trimmed());
                return true;
            } else if (!wasQuoted) {
                field += c;
            }
        }
        if (quoted) {
            error = QStringLiteral("Line %1: a quoted field is never closed.").arg(quoteLine);
            return false;
        }
        fields << (wasQuoted ? field : field.trimmed());
        return true;
    }
};

bool readFlag(const QString& value, bool& flag)
{
    const QString v = value.trimmed().toLower();
    if (v.isEmpty() || v == u"0" || v == u"no" || v == u"false" || v == u"n") {
        flag = false;
        return true;
    }
    if (v == u"1" || v == u"yes" || v == u"true" || v == u"y") {
        flag = true;
        return true;
    }
    return false;
}

OMString* textField(CustomerCsv::Column column, Customer& c)
{
    switch (column) {
    case CustomerCsv::Title:
        return &c.title;
    case CustomerCsv::FirstName:
        return &c.name;
    case CustomerCsv::Initial:
        return &c.initial;
    case CustomerCsv::Surname:
        return &c.surname;
    case CustomerCsv::Company:
        return &c.company;
    case CustomerCsv::Address:
        return &c.address.first;
    case CustomerCsv::Town:
        return &c.address.town;
    case CustomerCsv::County:
        return &c.address.county;
    case CustomerCsv::Postcode:
        return &c.address.postcode;
    case CustomerCsv::Phone:
        return &c.phone;
    case CustomerCsv::Mobile:
        return &c.mobile;
    case CustomerCsv::Fax:
        return &c.fax;
    case CustomerCsv::Email:
        return &c.email;
    case CustomerCsv::VatNumber:
        return &c.vatNumber;
    case CustomerCsv::Country:
        return &c.country;
    default:
        return nullptr;
    }
}

bool* flagField(CustomerCsv::Column column, Customer& c)
{
    switch (column) {
    case CustomerCsv::Business:
        return &c.business;
    case CustomerCsv::CisContractor:
        return &c.cisContractor;
    case CustomerCsv::EndUserNotice:
        return &c.endUserNotice;
    default:
        return nullptr;
    }
}

/// Sets `column` of `c` from `value`; the reason when the value is not one
/// the column takes.
QString setValue(CustomerCsv::Column column, const QString& value, Customer& c)
{
    if (OMString* text = textField(column, c)) {
        QString v = value;
        if (column == CustomerCsv::Postcode || column == CustomerCsv::Country)
            v = v.toUpper();
        *text = OMString::fromQString(v);
        return {};
    }
    if (bool* flag = flagField(column, c))
        return readFlag(value, *flag) ? QString()
                                      : QStringLiteral("\"%1\" is not yes or no").arg(value);
    const QString v = value.trimmed();
    if (column == CustomerCsv::Number) {
        bool ok = true;
        c.custno = v.isEmpty() ? 0 : v.toUInt(&ok);
        return ok ? QString() : QStringLiteral("\"%1\" is not a customer number").arg(value);
    }
    // The CIS rate, with or without a percent sign.
    QString rate = v;
    if (rate.endsWith(u'%'))
        rate.chop(1);
    bool ok = true;
    const int r = rate.trimmed().isEmpty() ? Customer::DefaultCisRate : rate.trimmed().toInt(&ok);
    if (!ok || (r != 0 && r != 20 && r != 30))
        return QStringLiteral("\"%1\" is not a CIS rate (20, 30 or 0)").arg(value);
    c.cisRate = r;
    return {};
}

QString quoted(const QString& value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r') && value.trimmed() == value)
        return value;
    QString q = value;
    q.replace(u'"', QStringLiteral("\"\""));
    // Line breaks inside a field as CR LF, like the line ends.
    q.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return u'"' + q + u'"';
}

QString valueOf(CustomerCsv::Column column, const Customer& c)
{
    Customer copy = c;
    if (const OMString* text = textField(column, copy))
        return text->toQString();
    if (const bool* flag = flagField(column, copy))
        return *flag ? QStringLiteral("yes") : QStringLiteral("no");
    if (column == CustomerCsv::Number)
        return QString::number(c.custno);
    return QString::number(c.cisRate);
}

} // namespace

const char* CustomerCsv::columnName(Column column)
{
    return Names[column];
}

CustomerCsv::Contents CustomerCsv::read(const QByteArray& bytes)
{
    Contents contents;
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const qsizetype headerEnd = text.indexOf(u'\n');
    const QString header = text.left(headerEnd < 0 ? text.size() : headerEnd);
    QChar separator = u',';
    if (!header.contains(u',')) {
        if (header.contains(u';'))
            separator = u';';
        else if (header.contains(u'\t'))
            separator = u'\t';
    }

    Splitter split{text, separator};
    QStringList fields;
    int line = 0;
    QString error;
    if (!split.next(fields, line, error)) {
        contents.problems << error;
        return contents;
    }
    std::vector<int> columnOf; // per field: its column, or -1
    for (const QString& name : fields) {
        int found = -1;
        for (int c = 0; c < ColumnCount; ++c)
            if (name.trimmed().compare(QLatin1String(Names[c]), Qt::CaseInsensitive) == 0)
                found = c;
        columnOf.push_back(found);
        if (found >= 0)
            contents.columns.push_back(Column(found));
    }
    if (contents.columns.empty()) {
        contents.problems << QStringLiteral("Line 1 names none of the customer columns.");
        return contents;
    }

    while (!split.atEnd()) {
        if (!split.next(fields, line, error)) {
            contents.problems << error;
            break;
        }
        if (fields.size() == 1 && fields.front().isEmpty())
            continue; // a blank line
        Row row;
        row.line = line;
        QString problem;
        for (qsizetype i = 0; i < fields.size() && problem.isEmpty(); ++i) {
            if (i >= qsizetype(columnOf.size())) {
                if (!fields[i].isEmpty())
                    problem = QStringLiteral("more fields than the header names");
            } else if (columnOf[size_t(i)] >= 0) {
                problem = setValue(Column(columnOf[size_t(i)]), fields[i], row.customer);
            }
        }
        const Customer& c = row.customer;
        if (problem.isEmpty() && c.name.isEmpty() && c.surname.isEmpty() && c.company.isEmpty())
            problem = QStringLiteral("no name, surname or company");
        if (!problem.isEmpty())
            contents.problems << QStringLiteral("Line %1: %2.").arg(line).arg(problem);
        else
            contents.rows.push_back(std::move(row));
    }
    return contents;
}

QByteArray CustomerCsv::write(const std::vector<Customer>& customers)
{
    QString text;
    for (int c = 0; c < ColumnCount; ++c)
        text += (c ? QStringLiteral(",") : QString()) + QLatin1String(Names[c]);
    text += QStringLiteral("\r\n");
    for (const Customer& customer : customers) {
        for (int c = 0; c < ColumnCount; ++c)
            text += (c ? QStringLiteral(",") : QString()) + quoted(valueOf(Column(c), customer));
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void CustomerCsv::copyColumn(Column column, const Customer& from, Customer& to)
{
    Customer source = from;
    if (OMString* text = textField(column, source))
        *textField(column, to) = *text;
    else if (bool* flag = flagField(column, source))
        *flagField(column, to) = *flag;
    else if (column == Number)
        to.custno = from.custno;
    else
        to.cisRate = from.cisRate;
}
