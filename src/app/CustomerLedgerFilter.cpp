#include "CustomerLedgerFilter.h"

#include "LedgerModel.h"
#include "customers/CustomerDatabase.h"

CustomerLedgerFilter::CustomerLedgerFilter(const CustomerDatabase& customers, QObject* parent)
    : QSortFilterProxyModel(parent), m_customers(customers)
{
    setSortRole(LedgerModel::SortRole);
}

void CustomerLedgerFilter::setLedgerModel(LedgerModel* model)
{
    m_model = model;
    setSourceModel(model);
}

void CustomerLedgerFilter::setCustomer(uint32_t number)
{
    if (number == m_number)
        return;
    m_number = number;
    invalidateFilter();
}

std::vector<int> CustomerLedgerFilter::shownRows() const
{
    std::vector<int> rows;
    rows.reserve(size_t(rowCount()));
    for (int i = 0; i < rowCount(); ++i)
        rows.push_back(mapToSource(index(i, 0)).row());
    return rows;
}

bool CustomerLedgerFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (!m_model || m_number == 0)
        return false;
    const uint32_t held = m_model->ledger().row(sourceRow).entry.summary.customerNumber;
    return held != 0 && m_customers.currentNumber(held) == m_number;
}
