#include "CustomerListModel.h"

#include "customers/CustomerDatabase.h"

using ombrel::OMMoney;

CustomerListModel::CustomerListModel(QObject* parent) : QAbstractTableModel(parent)
{
}

void CustomerListModel::reload(const CustomerDatabase& database)
{
    beginResetModel();
    m_customers.clear();
    m_customers.reserve(size_t(database.customers().size()));
    database.customers().forEach([&](const Customer& c) { m_customers.push_back(c); });
    endResetModel();
}

void CustomerListModel::setOwed(QHash<uint32_t, OMMoney> owed)
{
    m_owed = std::move(owed);
    if (!m_customers.empty())
        emit dataChanged(index(0, Owed), index(rowCount() - 1, Owed));
}

int CustomerListModel::rowOf(uint32_t number) const
{
    for (size_t i = 0; i < m_customers.size(); ++i)
        if (m_customers[i].custno == number)
            return int(i);
    return -1;
}

QString CustomerListModel::nameOf(const Customer& customer)
{
    QStringList parts;
    for (const ombrel::OMString* part :
         {&customer.title, &customer.name, &customer.initial, &customer.surname})
        if (!part->isEmpty())
            parts << part->toQString().trimmed();
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

int CustomerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_customers.size());
}

int CustomerListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CustomerListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Customer& c = m_customers[size_t(index.row())];
    if (role == NumberRole)
        return c.custno;
    const OMMoney owed = m_owed.value(c.custno);
    if (role == SortRole) {
        if (index.column() == Number)
            return c.custno;
        if (index.column() == Owed)
            return qlonglong(owed.value());
        return data(index, Qt::DisplayRole).toString().toLower();
    }
    if (role == Qt::TextAlignmentRole && (index.column() == Number || index.column() == Owed))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Address)
        return c.address.addressText().toQString();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Number:
        return QString::number(c.custno);
    case Name:
        return nameOf(c);
    case Company:
        return c.company.toQString();
    case Address: {
        // The first street line and the town: enough to tell two apart.
        QStringList parts{c.address.first.toQString().section(QLatin1Char('\n'), 0, 0).trimmed(),
                          c.address.town.toQString().trimmed()};
        parts.removeAll(QString());
        return parts.join(QStringLiteral(", "));
    }
    case Postcode:
        return c.address.postcode.toQString();
    case Phone:
        return c.phone.isEmpty() ? c.mobile.toQString() : c.phone.toQString();
    case Email:
        return c.email.toQString();
    case Owed:
        return owed.value() == 0 ? QString() : owed.toString().toQString();
    default:
        return {};
    }
}

QVariant CustomerListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[ColumnCount] = {
        QT_TR_NOOP("No."),      QT_TR_NOOP("Name"),  QT_TR_NOOP("Company"), QT_TR_NOOP("Address"),
        QT_TR_NOOP("Postcode"), QT_TR_NOOP("Phone"), QT_TR_NOOP("E-mail"),  QT_TR_NOOP("Owed")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}
