#include "LedgerFilterModel.h"

#include "LedgerModel.h"

LedgerFilterModel::LedgerFilterModel(LedgerModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), m_source(source)
{
    setSourceModel(source);
    setSortRole(LedgerModel::SortRole);
    setDynamicSortFilter(true);
}

void LedgerFilterModel::refilter()
{
    // Qt 6.4 has no begin/endFilterChange; invalidateFilter keeps the sort.
    invalidateFilter();
}

void LedgerFilterModel::setKind(int kind)
{
    m_kind = kind;
    refilter();
}

void LedgerFilterModel::setStatus(StatusFilter status)
{
    m_status = status;
    refilter();
}

void LedgerFilterModel::setCustomer(const QString& text)
{
    m_customer = text.trimmed();
    refilter();
}

void LedgerFilterModel::setText(const QString& text)
{
    m_text = text.trimmed();
    refilter();
}

void LedgerFilterModel::setDateRange(const QDate& from, const QDate& to)
{
    m_from = from;
    m_to = to;
    refilter();
}

bool LedgerFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const Ledger::Row& row = m_source->ledger().row(sourceRow);
    const LedgerEntry& e = row.entry;
    const DocumentSummary& s = e.summary;
    switch (m_status) {
    case AnyStatus:
        break;
    case Outstanding:
        if (row.status != Ledger::Owed && row.status != Ledger::Overdue)
            return false;
        break;
    case OverdueOnly:
        if (row.status != Ledger::Overdue)
            return false;
        break;
    case PaidOnly:
        if (row.status != Ledger::Paid)
            return false;
        break;
    case RefundsDue:
        if (row.status != Ledger::RefundDue)
            return false;
        break;
    case NotBilled:
        if (row.status != Ledger::NotBilled)
            return false;
        break;
    case Unreadable:
        if (row.status != Ledger::Unreadable)
            return false;
        break;
    case RepeatedNumbers:
        if (!row.duplicate)
            return false;
        break;
    }
    if (m_kind >= 0 && (!e.isReadable() || int(s.kind) != m_kind))
        return false;
    if (!m_customer.isEmpty() && !s.customer.contains(m_customer, Qt::CaseInsensitive))
        return false;
    if (m_from.isValid() || m_to.isValid()) {
        if (s.date.isEmpty())
            return false;
        const qint64 day = s.date.julian();
        if ((m_from.isValid() && day < m_from.toJulianDay()) ||
            (m_to.isValid() && day > m_to.toJulianDay()))
            return false;
    }
    if (!m_text.isEmpty()) {
        const auto has = [this](const QString& field) {
            return field.contains(m_text, Qt::CaseInsensitive);
        };
        if (!has(s.docReference) && !has(s.reference) && !has(s.customer) && !has(e.path) &&
            !has(e.error))
            return false;
    }
    return true;
}

std::vector<int> LedgerFilterModel::shownRows() const
{
    std::vector<int> rows;
    rows.reserve(size_t(rowCount()));
    for (int i = 0; i < rowCount(); ++i)
        rows.push_back(mapToSource(index(i, 0)).row());
    return rows;
}
