#include "ReminderLetter.h"

#include "JobInvoice.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <algorithm>

using ombrel::OMDate;
using ombrel::OMMoney;

ReminderLetter::ReminderLetter(const JobInvoice& invoice, bool vat, int letterLevel,
                               const OMDate& letterDate, const QString& text, bool claimInterest,
                               const std::vector<LateInterest::BaseRate>& rates, OMMoney credited)
    : level(std::clamp(letterLevel, int(Reminder::Friendly), int(Reminder::FinalNotice))),
      date(letterDate), invoiceNumber(invoice.docReference.toQString()),
      invoiceDate(invoice.documentDate()), dueDate(invoice.dueDate()),
      amountDue(invoice.totals(vat).amountDue() + credited)
{
    if (!dueDate.isEmpty() && date > dueDate)
        daysOverdue = date.julian() - dueDate.julian();
    const QString currency = SettingsStore::currencySymbol().toQString();
    body = text;
    body.replace(QLatin1String("{invoice}"), invoiceNumber)
        .replace(QLatin1String("{date}"), invoiceDate.inWords().toQString())
        .replace(QLatin1String("{amount}"), currency + amountDue.toString().toQString())
        .replace(QLatin1String("{days}"), QString::number(daysOverdue));
    if (claimInterest && level == Reminder::FinalNotice && offersInterest(invoice) &&
        amountDue > OMMoney() && daysOverdue > 0)
        claim = LateInterest::claim(amountDue, dueDate, date, rates);
}

QString ReminderLetter::textFor(int level)
{
    const int index = std::clamp(level, int(Reminder::Friendly), int(Reminder::FinalNotice)) - 1;
    return SettingsStore::get(SettingKeys::ReminderTexts[index]).toQString();
}

bool ReminderLetter::offersInterest(const JobInvoice& invoice)
{
    return invoice.customer.business;
}

int ReminderLetter::nextLevel(const JobInvoice& invoice)
{
    if (invoice.reminders.empty())
        return Reminder::Friendly;
    return std::min(invoice.reminders.back().level + 1, int(Reminder::FinalNotice));
}

QString ReminderLetter::heading() const
{
    switch (level) {
    case Reminder::Friendly:
        return QStringLiteral("Payment reminder");
    case Reminder::Firm:
        return QStringLiteral("Second reminder");
    default:
        return QStringLiteral("Final notice");
    }
}

Reminder ReminderLetter::record() const
{
    Reminder r;
    r.date = date;
    r.level = level;
    if (claim)
        r.claimed = claim->total();
    return r;
}

OMMoney ReminderLetter::totalDue() const
{
    return claim ? amountDue + claim->total() : amountDue;
}
