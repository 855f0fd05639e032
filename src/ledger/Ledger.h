#pragma once

#include "LedgerEntry.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <vector>

/**
 * The documents overview's figures: every entry with its status on a given
 * day (owed, overdue by N days, paid, refund due; estimates and quotes by
 * their kind), how long an owed amount is past due, which documents share a
 * kind and number, and the totals of any set of rows. Built the same for the
 * window and the command line; a plain value.
 */
class Ledger
{
public:
    /// Credited: a credit note whose invoice is listed too; what it credits
    /// is counted in that invoice's row.
    enum Status { Unreadable, NotBilled, Owed, Overdue, Paid, RefundDue, Credited };
    /// How far past its due day an owed amount is.
    enum Ageing { NotYetDue, Days1To30, Days31To60, Days61To90, Over90Days };
    static constexpr int AgeingCount = 5;

    struct Row
    {
        LedgerEntry entry;
        Status status = Unreadable;
        /// Days after the due day; 0 when not past it or without one.
        int64_t daysOverdue = 0;
        Ageing ageing = NotYetDue;
        /// Another readable document of the same kind has the same number.
        bool duplicate = false;
        /// An invoice: what the listed credit notes that correct it credit
        /// (0 or below, as their `due`).
        ombrel::OMMoney credited;
        /// What is owed after those credits (below 0: a refund due); a
        /// credit note counted in its invoice's row owes nothing of its own.
        ombrel::OMMoney due;
    };

    struct Totals
    {
        /// Rows counted, readable or not.
        int documents = 0;
        int unreadable = 0;
        /// Of the documents that bill: net, VAT, gross and paid.
        ombrel::OMMoney net, vat, gross, paid;
        /// What is owed (amounts due above 0), the overdue part of it, and
        /// what is to be paid back (as a positive amount).
        ombrel::OMMoney owed, overdue, refundDue;
        /// The owed amount by Ageing.
        std::array<ombrel::OMMoney, AgeingCount> ageing{};
        /// The CIS deductions recorded with the payments (counted in paid).
        ombrel::OMMoney cisDeducted;
    };

    // CIS deductions by tax month.

    /// The CIS deducted from the payments made in one tax month.
    struct CisMonth
    {
        /// The 6th of the month, and the 5th of the next.
        ombrel::OMDate first, last;
        ombrel::OMMoney deducted;
    };
    /// The tax month (6th to 5th) `day` falls in.
    static CisMonth taxMonthOf(const ombrel::OMDate& day);
    /// The deductions of the payments of `rows`, totalled per tax month in
    /// order of time; a payment without a day counts on its document's.
    /// Months without a deduction are left out.
    std::vector<CisMonth> cisByTaxMonth(const std::vector<int>& rows) const;

    Ledger() = default;
    Ledger(std::vector<LedgerEntry> entries, const ombrel::OMDate& asOf);

    const ombrel::OMDate& asOf() const { return m_asOf; }
    /// Judges every row again on another day.
    void setAsOf(const ombrel::OMDate& asOf);

    int size() const { return int(m_rows.size()); }
    const Row& row(int i) const { return m_rows[size_t(i)]; }
    const std::vector<Row>& rows() const { return m_rows; }
    /// The row of `path`, or -1.
    int indexOf(const QString& path) const;
    /// Puts the entry in place of the row of its path, or appends it; returns its row.
    int insertOrReplace(LedgerEntry entry);
    /// Removes the row of `path`; false when there is none.
    bool remove(const QString& path);

    Totals totals() const;
    Totals totals(const std::vector<int>& rows) const;
    bool hasUnreadable() const;
    /// One line for each kind and number held by more than one file:
    /// "Invoice 3081 is in 2 files: a.vli, b.vli".
    QStringList duplicateWarnings() const;

    static Ageing ageingFor(int64_t daysOverdue);
    /// "owed", "overdue by 3 days", "paid", "refund due", "unreadable", or
    /// for a document that bills nothing its kind ("estimate").
    static QString statusText(const Row& row);
    /// "not yet due", "1-30 days", ... "over 90 days".
    static QString ageingTitle(Ageing ageing);

private:
    void judge(Row& row) const;
    /// Nets the credit notes against the invoices they correct, then judges
    /// every row.
    void judgeAll();
    void findDuplicates();
    void reindex();

    ombrel::OMDate m_asOf;
    std::vector<Row> m_rows;
    QHash<QString, int> m_byPath;
};
