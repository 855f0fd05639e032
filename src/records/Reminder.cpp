#include "Reminder.h"

#include <QString>
#include <QStringList>

using ombrel::OMDate;
using ombrel::OMMoney;
using ombrel::OMString;

OMString Reminder::toText() const
{
    OMString text = date.toString("YYYYMMDD") + OMString::format(",%d", level);
    if (claimed != OMMoney())
        text += "," + claimed.toPlainString();
    return text;
}

bool Reminder::setText(const OMString& text)
{
    const QStringList parts = text.toQString().split(u',');
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    OMDate day;
    bool numeric = false;
    const int readLevel = parts[1].trimmed().toInt(&numeric);
    if (!day.set(OMString::fromQString(parts[0].trimmed()), "YYYYMMDD") || !numeric ||
        readLevel < Friendly || readLevel > FinalNotice)
        return false;
    date = day;
    level = readLevel;
    claimed = parts.size() == 3 ? OMMoney(OMString::fromQString(parts[2])) : OMMoney();
    return true;
}

OMString Reminder::levelName(int level)
{
    switch (level) {
    case Friendly:
        return "friendly reminder";
    case Firm:
        return "firm reminder";
    default:
        return "final notice";
    }
}
