#include "AsOfDateEdit.h"

using ombrel::OMDate;

AsOfDateEdit::AsOfDateEdit(const QString& accessibleName, QWidget* parent, const QDate& start)
    : QDateEdit(start, parent)
{
    setCalendarPopup(true);
    setAccessibleName(accessibleName);
}

OMDate AsOfDateEdit::day() const
{
    return OMDate::fromJulian(date().toJulianDay());
}

void AsOfDateEdit::setDay(const OMDate& day)
{
    setDate(QDate::fromJulianDay(day.julian()));
}
