#pragma once

#include "foundation/OMMoney.h"
#include "records/Customer.h"

#include <QAbstractTableModel>
#include <QHash>
#include <vector>

class CustomerDatabase;

/**
 * The Customers window's list: one row per customer of the database, in the
 * database's order, with what each owes by the documents overview. A copy
 * taken by reload(), so a write by the window or another copy shows only
 * when it is taken again. SortRole gives numbers and amounts to sort by.
 */
class CustomerListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Number, Name, Company, Address, Postcode, Phone, Email, Owed, ColumnCount };
    static constexpr int SortRole = Qt::UserRole + 1;
    /// The row's customer number.
    static constexpr int NumberRole = Qt::UserRole + 2;

    explicit CustomerListModel(QObject* parent = nullptr);

    /// Takes the database's customers afresh.
    void reload(const CustomerDatabase& database);
    /// What each customer owes, by number (those missing owe nothing).
    void setOwed(QHash<uint32_t, ombrel::OMMoney> owed);

    const Customer& customerAt(int row) const { return m_customers[size_t(row)]; }
    /// The row of customer `number`, or -1.
    int rowOf(uint32_t number) const;
    /// "Title First I. Surname", the parts given.
    static QString nameOf(const Customer& customer);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Customer> m_customers;
    QHash<uint32_t, ombrel::OMMoney> m_owed;
};
