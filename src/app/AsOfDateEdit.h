#pragma once

#include "foundation/OMDate.h"

#include <QDate>
#include <QDateEdit>

/**
 * The day a letter or a statement is dated (or one end of its period): a
 * date field with the calendar to drop down, starting today unless told
 * otherwise, read as the program's own date.
 */
class AsOfDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit AsOfDateEdit(const QString& accessibleName, QWidget* parent = nullptr,
                          const QDate& start = QDate::currentDate());

    ombrel::OMDate day() const;
    void setDay(const ombrel::OMDate& day);
};
