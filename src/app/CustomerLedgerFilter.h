#pragma once

#include <QSortFilterProxyModel>
#include <cstdint>
#include <vector>

class CustomerDatabase;
class LedgerModel;

/**
 * One customer's rows of the documents overview's ledger: the documents that
 * hold his number, or the number of a customer merged into him
 * (CustomerDatabase::currentNumber). Nothing while no customer is chosen.
 */
class CustomerLedgerFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    CustomerLedgerFilter(const CustomerDatabase& customers, QObject* parent = nullptr);

    /// The overview's rows (null while it is closed).
    void setLedgerModel(LedgerModel* model);
    LedgerModel* ledgerModel() const { return m_model; }
    void setCustomer(uint32_t number);
    uint32_t customer() const { return m_number; }
    /// The ledger rows shown, in the order shown.
    std::vector<int> shownRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const CustomerDatabase& m_customers;
    LedgerModel* m_model = nullptr;
    uint32_t m_number = 0;
};
