#include "LateInterest.h"

#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

using ombrel::OMDate;
using ombrel::OMMoney;

namespace {

OMDate day(int year, int month, int dayOfMonth)
{
    return OMDate(dayOfMonth, month, year, false);
}

} // namespace

std::vector<LateInterest::BaseRate> LateInterest::defaultRates()
{
    // The Bank of England's base rate on each day it changed (see DECISIONS).
    return {
        {day(2018, 8, 2), 75},   {day(2020, 3, 11), 25},   {day(2020, 3, 19), 10},
        {day(2021, 12, 16), 25}, {day(2022, 2, 3), 50},    {day(2022, 3, 17), 75},
        {day(2022, 5, 5), 100},  {day(2022, 6, 16), 125},  {day(2022, 8, 4), 175},
        {day(2022, 9, 22), 225}, {day(2022, 11, 3), 300},  {day(2022, 12, 15), 350},
        {day(2023, 2, 2), 400},  {day(2023, 3, 23), 425},  {day(2023, 5, 11), 450},
        {day(2023, 6, 22), 500}, {day(2023, 8, 3), 525},   {day(2024, 8, 1), 500},
        {day(2024, 11, 7), 475}, {day(2025, 2, 6), 450},   {day(2025, 5, 8), 425},
        {day(2025, 8, 7), 400},  {day(2025, 12, 18), 375},
    };
}

std::vector<LateInterest::BaseRate> LateInterest::currentRates()
{
    std::vector<BaseRate> own;
    parseRates(SettingsStore::get(SettingKeys::LatePaymentBaseRates).toQString(), &own);
    return merged(defaultRates(), own);
}

bool LateInterest::parseRates(const QString& text, std::vector<BaseRate>* rates, QString* error)
{
    static const QRegularExpression line(
        QStringLiteral("^\\s*(\\d{4}-\\d{2}-\\d{2})\\s+(\\d{1,2})(?:\\.(\\d{1,2}))?\\s*%?\\s*$"));
    std::vector<BaseRate> read;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch match = line.match(lines[i]);
        const QDate date =
            match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
        if (!date.isValid()) {
            if (error)
                *error = QStringLiteral("Line %1 of the base rates, \"%2\", is not a day as "
                                        "YYYY-MM-DD followed by a rate in percent.")
                             .arg(i + 1)
                             .arg(lines[i].trimmed());
            return false;
        }
        const QString decimals = match.captured(3).leftJustified(2, u'0');
        read.push_back({OMDate::fromJulian(date.toJulianDay()),
                        int32_t(match.captured(2).toInt() * 100 + decimals.toInt())});
    }
    *rates = merged({}, read);
    return true;
}

QString LateInterest::ratesText(const std::vector<BaseRate>& rates)
{
    QString text;
    for (const BaseRate& entry : rates)
        text += QString::fromUtf8(entry.from.toString("YYYY-MM-DD").c_str()) + u' ' +
                rateText(entry.rate).chopped(1) + u'\n';
    return text;
}

std::vector<LateInterest::BaseRate> LateInterest::merged(std::vector<BaseRate> base,
                                                         const std::vector<BaseRate>& extra)
{
    for (const BaseRate& entry : extra) {
        const auto same = std::find_if(base.begin(), base.end(),
                                       [&](const BaseRate& b) { return b.from == entry.from; });
        if (same != base.end())
            same->rate = entry.rate;
        else
            base.push_back(entry);
    }
    std::stable_sort(base.begin(), base.end(),
                     [](const BaseRate& a, const BaseRate& b) { return a.from < b.from; });
    return base;
}

OMDate LateInterest::referenceDay(const OMDate& dueDate)
{
    const QDate due = QDate::fromJulianDay(dueDate.julian());
    return due.month() >= 7 ? day(due.year(), 6, 30) : day(due.year() - 1, 12, 31);
}

int32_t LateInterest::rateOn(const OMDate& when, const std::vector<BaseRate>& rates)
{
    int32_t rate = 0;
    for (const BaseRate& entry : rates) {
        if (entry.from > when)
            break;
        rate = entry.rate;
    }
    return rate;
}

OMMoney LateInterest::compensation(OMMoney debt)
{
    if (debt <= OMMoney())
        return {};
    return debt < OMMoney(100000)    ? OMMoney(4000)
           : debt < OMMoney(1000000) ? OMMoney(7000)
                                     : OMMoney(10000);
}

LateInterest::Claim LateInterest::claim(OMMoney debt, const OMDate& dueDate,
                                        const OMDate& letterDate,
                                        const std::vector<BaseRate>& rates)
{
    Claim c;
    if (debt <= OMMoney() || dueDate.isEmpty() || letterDate <= dueDate)
        return c;
    c.referenceDay = referenceDay(dueDate);
    c.referenceRate = rateOn(c.referenceDay, rates);
    c.yearlyRate = c.referenceRate + StatutoryMargin;
    c.days = letterDate.julian() - dueDate.julian();
    // Rates count hundredths of a percent: 10,000 to the whole, 365 days a year.
    c.daily = debt.scaledBy(c.yearlyRate, int64_t(10000) * 365);
    c.interest = c.daily.multipliedBy(c.days);
    c.compensation = compensation(debt);
    return c;
}

QString LateInterest::rateText(int32_t rate)
{
    return QStringLiteral("%1.%2%").arg(rate / 100).arg(rate % 100, 2, 10, QLatin1Char('0'));
}
