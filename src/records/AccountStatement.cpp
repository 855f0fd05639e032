#include "AccountStatement.h"

#include <QHash>

#include <algorithm>

using ombrel::OMDate;
using ombrel::OMMoney;

namespace {

QString documentName(const DocumentSummary& s)
{
    return QString::fromUtf8(DocumentKind::get(s.kind).title) + u' ' + s.docReference;
}

struct Movement
{
    OMDate date;
    int order = 0;
    QString text;
    OMMoney amount;
};

} // namespace

AccountStatement::AccountStatement(const std::vector<DocumentSummary>& documents,
                                   const OMDate& start, const OMDate& day)
    : from(start), asOf(day)
{
    std::vector<Movement> movements;
    // What each invoice on the statement still owes on the day, by reference.
    std::vector<std::pair<const DocumentSummary*, OMMoney>> open;
    QHash<QString, size_t> openByReference;
    std::vector<std::pair<QString, OMMoney>> credits;
    OMDate latest;

    for (const DocumentSummary& s : documents) {
        if (s.job || s.date > asOf)
            continue;
        if (customer.isEmpty() || s.date >= latest) {
            customer = s.customer;
            latest = s.date;
        }
        OMMoney owes = s.gross;
        movements.push_back({s.date, int(movements.size()), documentName(s), s.gross});
        for (const DocumentPayment& p : s.payments) {
            const OMDate paid = p.date.isEmpty() ? s.date : p.date;
            if (paid > asOf)
                continue;
            // An invoice's payments lower the balance; a credit note's refunds
            // pay the credit out and raise it.
            const OMMoney amount = s.credit ? p.amount : -p.amount;
            owes += amount;
            movements.push_back({paid, int(movements.size()),
                                 QStringLiteral("%1, %2").arg(s.credit ? QStringLiteral("Refund")
                                                                       : QStringLiteral("Payment"),
                                                              documentName(s).toLower()),
                                 amount});
        }
        if (s.credit) {
            credits.push_back({s.corrects, owes});
        } else {
            openByReference.insert(s.docReference, open.size());
            open.push_back({&s, owes});
        }
    }

    std::stable_sort(movements.begin(), movements.end(),
                     [](const Movement& a, const Movement& b) { return a.date < b.date; });
    OMMoney balance;
    for (const Movement& m : movements) {
        balance += m.amount;
        if (!from.isEmpty() && m.date < from)
            broughtForward = balance;
        else
            lines.push_back({m.date, m.text, m.amount, balance});
    }
    carried = balance;

    for (const auto& [corrects, amount] : credits) {
        const auto it = openByReference.constFind(corrects);
        if (!corrects.isEmpty() && it != openByReference.cend())
            open[*it].second += amount;
        else
            ageing[Current] += amount;
    }
    for (const auto& [invoice, owes] : open) {
        int64_t days = 0;
        if (owes > OMMoney() && !invoice->dueDate.isEmpty())
            days = std::max<int64_t>(0, asOf.julian() - invoice->dueDate.julian());
        ageing[ageingFor(days)] += owes;
    }
}

AccountStatement::Ageing AccountStatement::ageingFor(int64_t days)
{
    return days <= 0    ? Current
           : days <= 30 ? Days1To30
           : days <= 60 ? Days31To60
           : days <= 90 ? Days61To90
                        : Over90Days;
}

QString AccountStatement::ageingTitle(int ageing)
{
    static const char* const titles[AgeingCount] = {"Current", "1-30 days", "31-60 days",
                                                    "61-90 days", "Over 90 days"};
    return QString::fromLatin1(titles[std::clamp(ageing, 0, AgeingCount - 1)]);
}
