#pragma once

#include "LateInterest.h"
#include "Reminder.h"
#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"

#include <QString>

#include <optional>

class JobInvoice;

/**
 * A payment reminder for an overdue invoice as it is printed: the level, the
 * day of the letter, what it names of the invoice (number, date, amount due,
 * days overdue), its text with the placeholders filled in, and on a final
 * notice to a business customer the late-payment interest and compensation
 * claimed. Changes nothing; `record()` is what the invoice keeps once sent.
 */
class ReminderLetter
{
public:
    /// `text` is the level's text with its placeholders: {invoice}, {date},
    /// {amount}, {days}. Interest is claimed only with `claimInterest` on a
    /// final notice to a business customer. `credited` is what credit notes
    /// of the invoice take off (0 or below, as the overview's row has it).
    ReminderLetter(const JobInvoice& invoice, bool vat, int level, const ombrel::OMDate& date,
                   const QString& text, bool claimInterest,
                   const std::vector<LateInterest::BaseRate>& rates,
                   ombrel::OMMoney credited = ombrel::OMMoney());

    /// The user's text for `level` ("options/reminders").
    static QString textFor(int level);
    /// Whether interest may be claimed from the invoice's customer: a
    /// business, never a consumer.
    static bool offersInterest(const JobInvoice& invoice);
    /// The level to send next: one above the last sent, at most a final notice.
    static int nextLevel(const JobInvoice& invoice);

    /// "Payment reminder", "Second reminder", "Final notice".
    QString heading() const;
    /// The reminder the invoice records once the letter has gone.
    Reminder record() const;

    int level;
    ombrel::OMDate date;
    QString invoiceNumber;
    ombrel::OMDate invoiceDate;
    ombrel::OMDate dueDate;
    ombrel::OMMoney amountDue;
    int64_t daysOverdue = 0;
    QString body;
    std::optional<LateInterest::Claim> claim;
    /// The amount due plus any claim.
    ombrel::OMMoney totalDue() const;
};
