#pragma once

#include "records/ReminderLetter.h"

#include <QDialog>

class AsOfDateEdit;
class JobInvoice;
class QCheckBox;
class QComboBox;
class QLabel;

/**
 * Reminder...: the level of the letter (the one after the last sent), its
 * day, and on a final notice to a business customer whether to claim
 * late-payment interest and compensation (on by default); what the letter
 * will say, then how to send it (print, PDF, e-mail).
 */
class ReminderDialog : public QDialog
{
    Q_OBJECT
public:
    enum Action { NoAction, PrintLetter, ExportLetter, MailLetter };

    /// `credited`: what credit notes of the invoice take off (0 or below).
    ReminderDialog(const JobInvoice& invoice, bool vat, ombrel::OMMoney credited, bool canMail,
                   QWidget* parent = nullptr);

    /// The letter as the dialog stands.
    ReminderLetter letter() const;
    Action action() const { return m_action; }

    QComboBox* levelBox() const { return m_level; }
    AsOfDateEdit* dateEdit() const { return m_date; }
    QCheckBox* interestBox() const { return m_interest; }
    QLabel* summaryLabel() const { return m_summary; }

private:
    void refresh();

    const JobInvoice& m_invoice;
    bool m_vat;
    ombrel::OMMoney m_credited;
    QComboBox* m_level;
    AsOfDateEdit* m_date;
    QCheckBox* m_interest;
    QLabel* m_summary;
    Action m_action = NoAction;
};
