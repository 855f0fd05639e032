#include "CustomerFilterModel.h"

#include "CustomerListModel.h"

CustomerFilterModel::CustomerFilterModel(CustomerListModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), m_source(source)
{
    setSourceModel(source);
    setSortRole(CustomerListModel::SortRole);
}

void CustomerFilterModel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    invalidateFilter();
}

bool CustomerFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (m_words.isEmpty())
        return true;
    const Customer& c = m_source->customerAt(sourceRow);
    const QString number = QString::number(c.custno);
    if (m_words.size() == 1 && number.startsWith(m_words.front()))
        return true;
    QString haystack;
    for (const ombrel::OMString* field :
         {&c.title, &c.name, &c.initial, &c.surname, &c.company, &c.address.first, &c.address.town,
          &c.address.county, &c.address.postcode, &c.phone, &c.mobile, &c.fax, &c.email})
        haystack += field->toQString() + QLatin1Char('\n');
    // A postcode or phone number is found with or without its spaces.
    const QString packed = QString(haystack).remove(QLatin1Char(' '));
    for (const QString& word : m_words)
        if (!haystack.contains(word, Qt::CaseInsensitive) &&
            !packed.contains(word, Qt::CaseInsensitive))
            return false;
    return true;
}
