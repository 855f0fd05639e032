#pragma once

#include "DocumentSummary.h"
#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"

#include <QString>

#include <array>
#include <vector>

/**
 * A customer's statement of account: every invoice, credit note, payment and
 * refund in a period, with the balance brought forward from before it and
 * the balance carried at its end, and how long what is owed has been past
 * due on that day. Built from the documents' summaries alone, so the
 * overview, the command line and the printed page share it.
 *
 * An invoice's figures count on its date, a payment on its own date (the
 * invoice's when it has none), and nothing dated after the statement's day.
 * A credit note lowers the balance on its date and, when it names an invoice
 * on the statement, the amount that invoice still owes; one that names none
 * counts as current. The ageing columns add up to the balance carried.
 */
class AccountStatement
{
public:
    enum Ageing { Current, Days1To30, Days31To60, Days61To90, Over90Days };
    static constexpr int AgeingCount = 5;

    struct Line
    {
        ombrel::OMDate date;
        /// "Invoice 3081", "Payment, invoice 3081", "Credit Note 12".
        QString text;
        /// What the line adds to the balance (a payment or credit below 0).
        ombrel::OMMoney amount;
        /// The balance after the line.
        ombrel::OMMoney balance;
    };

    /// The statement of `documents` (one customer's; estimates and quotes
    /// are passed over) from `from` (empty: from the start) to `asOf`.
    AccountStatement(const std::vector<DocumentSummary>& documents, const ombrel::OMDate& from,
                     const ombrel::OMDate& asOf);

    /// The customer as the latest document names them, lines parted by "\n".
    QString customer;
    ombrel::OMDate from;
    ombrel::OMDate asOf;
    ombrel::OMMoney broughtForward;
    std::vector<Line> lines;
    ombrel::OMMoney carried;
    std::array<ombrel::OMMoney, AgeingCount> ageing{};

    static Ageing ageingFor(int64_t daysOverdue);
    /// "Current", "1-30 days", ..., "Over 90 days".
    static QString ageingTitle(int ageing);
};
