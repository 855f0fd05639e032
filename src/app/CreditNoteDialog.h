#pragma once

#include "records/JobCreditNote.h"

#include <QDialog>
#include <vector>

class JobInvoice;
class QTableWidget;

/**
 * File, New Credit Note from This: the invoice's lines, each ticked to be
 * credited with the amount to credit (net, at the line's VAT rate). All are
 * ticked at their full amounts at first, which credits the whole invoice; a
 * line left at its full amount is credited as invoiced (quantity and unit
 * price), one with a smaller amount as one line of that amount.
 */
class CreditNoteDialog : public QDialog
{
    Q_OBJECT
public:
    CreditNoteDialog(const JobInvoice& invoice, QWidget* parent = nullptr);

    /// The lines chosen, in the invoice's order; valid once accepted.
    const std::vector<JobCreditNote::Choice>& choices() const { return m_choices; }
    QTableWidget* table() const { return m_table; }

    void accept() override;

private:
    QTableWidget* m_table;
    std::vector<ombrel::OMMoney> m_totals;
    std::vector<JobCreditNote::Choice> m_choices;
};
