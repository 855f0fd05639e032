#include "Ledger.h"

#include <QDate>

#include <map>
#include <utility>

using ombrel::OMDate;
using ombrel::OMMoney;

Ledger::Ledger(std::vector<LedgerEntry> entries, const OMDate& asOf) : m_asOf(asOf)
{
    m_rows.reserve(entries.size());
    for (LedgerEntry& entry : entries) {
        Row row;
        row.entry = std::move(entry);
        m_rows.push_back(std::move(row));
    }
    reindex();
    judgeAll();
    findDuplicates();
}

void Ledger::setAsOf(const OMDate& asOf)
{
    m_asOf = asOf;
    judgeAll();
}

void Ledger::judgeAll()
{
    // Invoices by their reference as printed; a credit note names its
    // invoice that way.
    QHash<QString, int> invoices;
    for (int i = 0; i < int(m_rows.size()); ++i) {
        Row& row = m_rows[size_t(i)];
        row.credited = OMMoney();
        const DocumentSummary& s = row.entry.summary;
        if (row.entry.isBill() && !s.credit && !s.docReference.isEmpty())
            invoices.insert(s.docReference, i);
    }
    for (Row& row : m_rows) {
        const DocumentSummary& s = row.entry.summary;
        if (!row.entry.isBill() || !s.credit || s.corrects.isEmpty())
            continue;
        if (const auto it = invoices.constFind(s.corrects); it != invoices.cend())
            m_rows[size_t(*it)].credited += s.due;
    }
    for (Row& row : m_rows) {
        const DocumentSummary& s = row.entry.summary;
        if (row.entry.isBill() && s.credit && invoices.contains(s.corrects)) {
            row.due = OMMoney();
            row.daysOverdue = 0;
            row.ageing = NotYetDue;
            row.status = Credited;
            continue;
        }
        judge(row);
    }
}

void Ledger::judge(Row& row) const
{
    row.daysOverdue = 0;
    row.ageing = NotYetDue;
    if (!row.entry.isReadable()) {
        row.status = Unreadable;
        return;
    }
    DocumentSummary& s = row.entry.summary;
    if (!row.entry.isBill()) {
        row.status = NotBilled;
        row.due = OMMoney();
        return;
    }
    row.due = s.due + row.credited;
    // Judged here rather than taken from the summary, so that an entry kept
    // in the index from another day is judged on this one.
    if (!s.dueDate.isEmpty() && !m_asOf.isEmpty() && row.due > 0)
        row.daysOverdue = std::max<int64_t>(0, m_asOf.julian() - s.dueDate.julian());
    s.overdue = row.daysOverdue > 0;
    row.ageing = ageingFor(row.daysOverdue);
    row.status = row.due < 0 ? RefundDue : s.overdue ? Overdue : row.due > 0 ? Owed : Paid;
}

Ledger::Ageing Ledger::ageingFor(int64_t days)
{
    return days <= 0    ? NotYetDue
           : days <= 30 ? Days1To30
           : days <= 60 ? Days31To60
           : days <= 90 ? Days61To90
                        : Over90Days;
}

void Ledger::reindex()
{
    m_byPath.clear();
    m_byPath.reserve(int(m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i)
        m_byPath.insert(m_rows[size_t(i)].entry.path, i);
}

void Ledger::findDuplicates()
{
    std::map<std::pair<int, uint32_t>, int> counts;
    for (const Row& row : m_rows)
        if (row.entry.isReadable() && row.entry.summary.number != 0)
            ++counts[{int(row.entry.summary.kind), row.entry.summary.number}];
    for (Row& row : m_rows)
        row.duplicate = row.entry.isReadable() && row.entry.summary.number != 0 &&
                        counts[{int(row.entry.summary.kind), row.entry.summary.number}] > 1;
}

int Ledger::indexOf(const QString& path) const
{
    return m_byPath.value(path, -1);
}

int Ledger::insertOrReplace(LedgerEntry entry)
{
    Row row;
    row.entry = std::move(entry);
    int at = indexOf(row.entry.path);
    if (at >= 0) {
        m_rows[size_t(at)] = std::move(row);
    } else {
        at = int(m_rows.size());
        m_byPath.insert(row.entry.path, at);
        m_rows.push_back(std::move(row));
    }
    judgeAll();
    findDuplicates();
    return at;
}

bool Ledger::remove(const QString& path)
{
    const int at = indexOf(path);
    if (at < 0)
        return false;
    m_rows.erase(m_rows.begin() + at);
    reindex();
    judgeAll();
    findDuplicates();
    return true;
}

Ledger::Totals Ledger::totals() const
{
    std::vector<int> all(m_rows.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = int(i);
    return totals(all);
}

Ledger::Totals Ledger::totals(const std::vector<int>& rows) const
{
    Totals t;
    for (int i : rows) {
        const Row& row = m_rows[size_t(i)];
        ++t.documents;
        if (!row.entry.isReadable())
            ++t.unreadable;
        if (!row.entry.isBill())
            continue;
        const DocumentSummary& s = row.entry.summary;
        t.net += s.net;
        t.vat += s.vatCharged();
        t.cisDeducted += s.cisDeducted;
        t.gross += s.gross;
        t.paid += s.paid;
        if (row.due > 0) {
            t.owed += row.due;
            t.ageing[size_t(row.ageing)] += row.due;
            if (row.status == Overdue)
                t.overdue += row.due;
        } else if (row.due < 0) {
            t.refundDue -= row.due;
        }
    }
    return t;
}

Ledger::CisMonth Ledger::taxMonthOf(const OMDate& day)
{
    QDate first = QDate::fromJulianDay(day.julian());
    if (first.day() < 6)
        first = first.addMonths(-1);
    first.setDate(first.year(), first.month(), 6);
    const QDate last = first.addMonths(1).addDays(-1);
    return {OMDate::fromJulian(first.toJulianDay()), OMDate::fromJulian(last.toJulianDay()), {}};
}

std::vector<Ledger::CisMonth> Ledger::cisByTaxMonth(const std::vector<int>& rows) const
{
    std::map<int64_t, CisMonth> months;
    for (int i : rows) {
        const Row& row = m_rows[size_t(i)];
        if (!row.entry.isBill())
            continue;
        const DocumentSummary& s = row.entry.summary;
        for (const DocumentPayment& p : s.payments) {
            const OMDate day = p.date.isEmpty() ? s.date : p.date;
            if (p.cisDeducted == OMMoney() || day.isEmpty())
                continue;
            const CisMonth month = taxMonthOf(day);
            CisMonth& sum = months.try_emplace(month.first.julian(), month).first->second;
            sum.deducted += s.credit ? -p.cisDeducted : p.cisDeducted;
        }
    }
    std::vector<CisMonth> out;
    for (const auto& [first, month] : months)
        if (month.deducted != OMMoney())
            out.push_back(month);
    return out;
}

bool Ledger::hasUnreadable() const
{
    for (const Row& row : m_rows)
        if (!row.entry.isReadable())
            return true;
    return false;
}

QStringList Ledger::duplicateWarnings() const
{
    std::map<std::pair<int, uint32_t>, QStringList> files;
    for (const Row& row : m_rows)
        if (row.duplicate)
            files[{int(row.entry.summary.kind), row.entry.summary.number}] << row.entry.path;
    QStringList warnings;
    for (const auto& [key, paths] : files)
        warnings << QStringLiteral("%1 %2 is in %3 files: %4")
                        .arg(QLatin1String(DocumentKind::get(DocumentKind::Id(key.first)).title))
                        .arg(key.second)
                        .arg(paths.size())
                        .arg(paths.join(QLatin1String(", ")));
    return warnings;
}

QString Ledger::statusText(const Row& row)
{
    switch (row.status) {
    case Unreadable:
        return QStringLiteral("unreadable");
    case NotBilled:
        return QString::fromLatin1(DocumentKind::get(row.entry.summary.kind).name);
    case Owed:
        return QStringLiteral("owed");
    case Overdue:
        return row.daysOverdue == 1 ? QStringLiteral("overdue by 1 day")
                                    : QStringLiteral("overdue by %1 days").arg(row.daysOverdue);
    case Paid:
        return QStringLiteral("paid");
    case RefundDue:
        return QStringLiteral("refund due");
    case Credited:
        return QStringLiteral("credits invoice %1").arg(row.entry.summary.corrects);
    }
    return QString();
}

QString Ledger::ageingTitle(Ageing ageing)
{
    switch (ageing) {
    case NotYetDue:
        return QStringLiteral("not yet due");
    case Days1To30:
        return QStringLiteral("1-30 days");
    case Days31To60:
        return QStringLiteral("31-60 days");
    case Days61To90:
        return QStringLiteral("61-90 days");
    case Over90Days:
        return QStringLiteral("over 90 days");
    }
    return QString();
}
