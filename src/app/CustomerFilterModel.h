#pragma once

#include <QSortFilterProxyModel>

class CustomerListModel;

/**
 * What the Customers window lists: the customers whose name, company,
 * address, postcode, phone numbers or e-mail hold every word typed (in any
 * case), or whose number begins with it; sorted by any column.
 */
class CustomerFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit CustomerFilterModel(CustomerListModel* source, QObject* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return m_text; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    CustomerListModel* m_source;
    QString m_text;
    QStringList m_words;
};
