#pragma once

#include "ledger/Ledger.h"

#include <QAbstractTableModel>

/**
 * The documents overview's rows for a view: one row per ledger row, in the
 * ledger's order. Overdue rows are marked in red, repeated numbers and
 * unreadable files say why in a tool tip. SortRole gives each cell's value
 * to sort by (days and hundredths, not text).
 */
class LedgerModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Kind,
        Number,
        Date,
        Customer,
        Net,
        Vat,
        Gross,
        Paid,
        Due,
        Status,
        /// The last payment reminder sent: its level and day.
        LastReminder,
        File,
        /// The CIS deductions recorded with the payments (part of Paid).
        CisDeducted,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole + 1;
    /// The row's file.
    static constexpr int PathRole = Qt::UserRole + 2;

    explicit LedgerModel(QObject* parent = nullptr);

    const Ledger& ledger() const { return m_ledger; }
    /// Takes a whole new ledger (a finished scan).
    void setLedger(Ledger ledger);
    /// A file read again, added or gone: one row changes, the rows whose
    /// repeated-number flag follows are refreshed.
    void putEntry(LedgerEntry entry);
    void removePath(const QString& path);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    /// After any change of the rows.
    void ledgerChanged();

private:
    Ledger m_ledger;
};
