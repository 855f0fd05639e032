#include "LedgerExport.h"

#include "Ledger.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

using ombrel::OMMoney;

namespace {

QString kindName(const Ledger::Row& row)
{
    return QString::fromLatin1(DocumentKind::get(row.entry.summary.kind).name);
}

const char* const AgeingKeys[Ledger::AgeingCount] = {"notYetDue", "days1To30", "days31To60",
                                                     "days61To90", "over90Days"};

// A text cell a spreadsheet would take for a formula is given a leading
// apostrophe, so a customer's name cannot run one.
QString csvText(const QString& text)
{
    QString cell = text;
    if (!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r'))
        return u'"' + QString(cell).replace(u'"', QLatin1String("\"\"")) + u'"';
    return cell;
}

// A terminal takes control characters in a name for commands.
QString printable(QString text)
{
    for (QChar& ch : text)
        if (ch.category() == QChar::Other_Control)
            ch = u'?';
    return text;
}

QString oneLine(const QString& text)
{
    return QString(text).replace(QLatin1String("\n\n"), QLatin1String(" ")).replace(u'\n', u' ');
}

} // namespace

std::vector<int> LedgerExport::allRows(const Ledger& ledger)
{
    std::vector<int> rows(size_t(ledger.size()));
    for (int i = 0; i < ledger.size(); ++i)
        rows[size_t(i)] = i;
    return rows;
}

QString LedgerExport::customerLine(const QString& customer)
{
    QStringList lines = customer.split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(QLatin1String(", "));
}

QString LedgerExport::toJson(const Ledger& ledger, const std::vector<int>& rows)
{
    QJsonArray documents, unreadable;
    for (int i : rows) {
        const Ledger::Row& row = ledger.row(i);
        const LedgerEntry& e = row.entry;
        if (!e.isReadable()) {
            const QJsonObject o{{QStringLiteral("file"), e.path},
                                {QStringLiteral("error"), e.error}};
            documents.append(o);
            unreadable.append(o);
            continue;
        }
        const DocumentSummary& s = e.summary;
        QJsonArray vat;
        for (const VAT& v : s.vatByRate)
            vat.append(
                QJsonObject{{QStringLiteral("rate"), v.rate.toText(false).toQString()},
                            {QStringLiteral("amount"), LedgerExport::moneyText(v.amount)},
                            {QStringLiteral("vatAmount"), LedgerExport::moneyText(v.vatAmount())}});
        QJsonObject document{
            {QStringLiteral("file"), e.path},
            {QStringLiteral("kind"), kindName(row)},
            {QStringLiteral("docReference"), s.docReference},
            {QStringLiteral("number"), qint64(s.number)},
            {QStringLiteral("date"), s.date.isoText().toQString()},
            {QStringLiteral("dueDate"), s.dueDate.isoText().toQString()},
            {QStringLiteral("customer"), s.customer},
            {QStringLiteral("netTotal"), LedgerExport::moneyText(s.net)},
            {QStringLiteral("vatSummary"), vat},
            {QStringLiteral("vatTotal"), LedgerExport::moneyText(s.vatCharged())},
            {QStringLiteral("grossTotal"), LedgerExport::moneyText(s.gross)},
            {QStringLiteral("totalPaid"), LedgerExport::moneyText(s.paid)},
            {QStringLiteral("amountDue"), LedgerExport::moneyText(s.due)},
            {QStringLiteral("isOverdue"), s.overdue},
            {QStringLiteral("daysOverdue"), qint64(row.daysOverdue)},
            {QStringLiteral("status"), Ledger::statusText(row)},
            {QStringLiteral("duplicate"), row.duplicate},
        };
        // As --report names them, when listed credit notes correct the invoice.
        if (row.credited != OMMoney()) {
            document.insert(QStringLiteral("credited"), LedgerExport::moneyText(row.credited));
            document.insert(QStringLiteral("amountDueAfterCredits"),
                            LedgerExport::moneyText(row.due));
        }
        // The reverse charge and CIS, on the documents they concern.
        if (s.reverseCharge) {
            document.insert(QStringLiteral("reverseCharge"), true);
            document.insert(QStringLiteral("vatForInformation"), LedgerExport::moneyText(s.vat));
        }
        if (s.cisDeducted != OMMoney())
            document.insert(QStringLiteral("cisDeducted"), LedgerExport::moneyText(s.cisDeducted));
        documents.append(document);
    }
    const Ledger::Totals t = ledger.totals(rows);
    QJsonObject ageing;
    for (int a = 0; a < Ledger::AgeingCount; ++a)
        ageing.insert(QLatin1String(AgeingKeys[a]), LedgerExport::moneyText(t.ageing[size_t(a)]));
    QJsonObject totals{
        {QStringLiteral("documents"), t.documents},
        {QStringLiteral("unreadable"), t.unreadable},
        {QStringLiteral("netTotal"), LedgerExport::moneyText(t.net)},
        {QStringLiteral("vatTotal"), LedgerExport::moneyText(t.vat)},
        {QStringLiteral("grossTotal"), LedgerExport::moneyText(t.gross)},
        {QStringLiteral("totalPaid"), LedgerExport::moneyText(t.paid)},
        {QStringLiteral("owed"), LedgerExport::moneyText(t.owed)},
        {QStringLiteral("overdue"), LedgerExport::moneyText(t.overdue)},
        {QStringLiteral("refundDue"), LedgerExport::moneyText(t.refundDue)},
        {QStringLiteral("ageing"), ageing},
    };
    QJsonArray duplicates;
    for (const QString& w : ledger.duplicateWarnings())
        duplicates.append(w);
    // CIS deductions, in all and per tax month, when there are any.
    QJsonArray cisMonths;
    for (const Ledger::CisMonth& month : ledger.cisByTaxMonth(rows))
        cisMonths.append(
            QJsonObject{{QStringLiteral("from"), month.first.isoText().toQString()},
                        {QStringLiteral("to"), month.last.isoText().toQString()},
                        {QStringLiteral("cisDeducted"), LedgerExport::moneyText(month.deducted)}});
    if (t.cisDeducted != OMMoney())
        totals.insert(QStringLiteral("cisDeducted"), LedgerExport::moneyText(t.cisDeducted));
    QJsonObject o{
        {QStringLiteral("asOf"), ledger.asOf().isoText().toQString()},
        {QStringLiteral("documents"), documents},
        {QStringLiteral("totals"), totals},
        {QStringLiteral("duplicates"), duplicates},
        {QStringLiteral("unreadable"), unreadable},
    };
    if (!cisMonths.isEmpty())
        o.insert(QStringLiteral("cisByTaxMonth"), cisMonths);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

QString LedgerExport::toCsv(const Ledger& ledger, const std::vector<int>& rows)
{
    QString out = QStringLiteral("File,Kind,Number,Reference,Date,Due date,Customer,Net,VAT,"
                                 "Gross,Paid,Due,Status,Days overdue,Duplicate,Error,"
                                 "CIS deducted\r\n");
    for (int i : rows) {
        const Ledger::Row& row = ledger.row(i);
        const LedgerEntry& e = row.entry;
        QStringList cells;
        if (!e.isReadable()) {
            cells << csvText(e.path);
            for (int c = 0; c < 11; ++c)
                cells << QString();
            cells << Ledger::statusText(row) << QString() << QString() << csvText(oneLine(e.error))
                  << QString();
        } else {
            const DocumentSummary& s = e.summary;
            cells << csvText(e.path) << kindName(row) << QString::number(s.number)
                  << csvText(s.docReference) << s.date.isoText().toQString()
                  << s.dueDate.isoText().toQString() << csvText(customerLine(s.customer))
                  << LedgerExport::moneyText(s.net) << LedgerExport::moneyText(s.vatCharged())
                  << LedgerExport::moneyText(s.gross) << LedgerExport::moneyText(s.paid)
                  << LedgerExport::moneyText(row.due) << Ledger::statusText(row)
                  << QString::number(row.daysOverdue)
                  << (row.duplicate ? QStringLiteral("yes") : QString()) << QString()
                  << (s.cisDeducted != 0 ? LedgerExport::moneyText(s.cisDeducted) : QString());
        }
        out += cells.join(u',') + QStringLiteral("\r\n");
    }
    return out;
}

QString LedgerExport::toTable(const Ledger& ledger, const std::vector<int>& rows)
{
    const QStringList header = {
        QStringLiteral("File"),  QStringLiteral("Kind"),     QStringLiteral("Ref"),
        QStringLiteral("Date"),  QStringLiteral("Due date"), QStringLiteral("Customer"),
        QStringLiteral("Gross"), QStringLiteral("Due"),      QStringLiteral("Status")};
    std::vector<QStringList> lines;
    for (int i : rows) {
        const Ledger::Row& row = ledger.row(i);
        const LedgerEntry& e = row.entry;
        const QString name = QFileInfo(e.path).fileName();
        if (!e.isReadable()) {
            lines.push_back({name, QString(), QString(), QString(), QString(), QString(), QString(),
                             QString(), Ledger::statusText(row)});
            continue;
        }
        const DocumentSummary& s = e.summary;
        QString status = Ledger::statusText(row);
        if (row.duplicate)
            status += QStringLiteral(" (number repeated)");
        lines.push_back({name, kindName(row), s.docReference, s.date.isoText().toQString(),
                         s.dueDate.isoText().toQString(), s.customer.section(u'\n', 0, 0),
                         s.gross.toString().toQString(),
                         e.isBill() ? row.due.toString().toQString() : QString(), status});
    }
    for (QStringList& line : lines)
        for (QString& cell : line)
            cell = printable(cell);

    std::vector<int> widths(size_t(header.size()));
    for (int c = 0; c < header.size(); ++c) {
        widths[size_t(c)] = int(header[c].size());
        for (const QStringList& line : lines)
            widths[size_t(c)] = std::max(widths[size_t(c)], int(line[c].size()));
    }
    const auto isNumeric = [](int c) { return c == 6 || c == 7; };
    const auto format = [&](const QStringList& cells) {
        QStringList padded;
        for (int c = 0; c < cells.size(); ++c)
            padded << (isNumeric(c) ? cells[c].rightJustified(widths[size_t(c)])
                                    : cells[c].leftJustified(widths[size_t(c)]));
        return padded.join(QLatin1String("  ")).trimmed() + u'\n';
    };
    QStringList rule;
    for (int w : widths)
        rule << QString(w, u'-');
    QString out = format(header) + rule.join(QLatin1String("  ")) + u'\n';
    for (const QStringList& line : lines)
        out += format(line);
    out += rule.join(QLatin1String("  ")) + u'\n';

    const Ledger::Totals t = ledger.totals(rows);
    const auto amount = [](OMMoney m) { return m.toString().toQString(); };
    out += QStringLiteral("%1 documents as of %2; owed %3, overdue %4, refunds due %5\n")
               .arg(t.documents)
               .arg(ledger.asOf().isoText().toQString(), amount(t.owed), amount(t.overdue),
                    amount(t.refundDue));
    QStringList ageing;
    for (int a = 0; a < Ledger::AgeingCount; ++a)
        ageing << Ledger::ageingTitle(Ledger::Ageing(a)) + QStringLiteral(": ") +
                      amount(t.ageing[size_t(a)]);
    out += QStringLiteral("Owed by days past due: ") + ageing.join(QLatin1String(", ")) + u'\n';
    // CIS deductions per tax month, when there are any.
    const std::vector<Ledger::CisMonth> cisMonths = ledger.cisByTaxMonth(rows);
    if (!cisMonths.empty()) {
        out += QStringLiteral("CIS deducted %1, by tax month:\n").arg(amount(t.cisDeducted));
        for (const Ledger::CisMonth& month : cisMonths)
            out += QStringLiteral("  %1 to %2  %3\n")
                       .arg(month.first.isoText().toQString(), month.last.isoText().toQString(),
                            amount(month.deducted).rightJustified(12));
    }
    return out;
}
