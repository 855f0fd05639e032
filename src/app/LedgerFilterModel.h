#pragma once

#include "ledger/Ledger.h"

#include <QDate>
#include <QSortFilterProxyModel>
#include <vector>

class LedgerModel;

/**
 * What the documents overview shows of the ledger: the rows of a kind, a
 * status, a customer, holding a text and dated in a range, sorted by any
 * column. Filters read the ledger's values, not the cells' text, so a
 * keystroke over ten thousand rows stays quick.
 */
class LedgerFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    /// The status filter's choices.
    enum StatusFilter {
        AnyStatus,
        Outstanding,
        OverdueOnly,
        PaidOnly,
        RefundsDue,
        NotBilled,
        Unreadable,
        RepeatedNumbers
    };

    explicit LedgerFilterModel(LedgerModel* source, QObject* parent = nullptr);

    /// -1 for every kind, else a DocumentKind::Id.
    void setKind(int kind);
    void setStatus(StatusFilter status);
    void setCustomer(const QString& text);
    /// Any of number, references, customer and file name holding `text`.
    void setText(const QString& text);
    /// Null dates leave that end open.
    void setDateRange(const QDate& from, const QDate& to);

    /// The ledger rows shown, in the order shown.
    std::vector<int> shownRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void refilter();

    LedgerModel* m_source;
    int m_kind = -1;
    StatusFilter m_status = AnyStatus;
    QString m_customer, m_text;
    QDate m_from, m_to;
};
