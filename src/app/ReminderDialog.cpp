#include "ReminderDialog.h"

#include "AsOfDateEdit.h"
#include "records/JobInvoice.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using ombrel::OMDate;

namespace {

QString money(ombrel::OMMoney amount)
{
    return SettingsStore::currencySymbol().toQString() + amount.toString().toQString();
}

} // namespace

ReminderDialog::ReminderDialog(const JobInvoice& invoice, bool vat, ombrel::OMMoney credited,
                               bool canMail, QWidget* parent)
    : QDialog(parent), m_invoice(invoice), m_vat(vat), m_credited(credited),
      m_level(new QComboBox(this)), m_date(new AsOfDateEdit(tr("Dated"), this)),
      m_interest(new QCheckBox(tr("Claim statutory &interest and compensation"), this)),
      m_summary(new QLabel(this))
{
    setWindowTitle(tr("Payment Reminder for Invoice %1").arg(invoice.docReference.toQString()));
    for (int level = Reminder::Friendly; level <= Reminder::FinalNotice; ++level) {
        const QString name = Reminder::levelName(level).toQString();
        m_level->addItem(name.left(1).toUpper() + name.mid(1), level);
    }
    m_level->setCurrentIndex(ReminderLetter::nextLevel(invoice) - 1);
    m_interest->setChecked(ReminderLetter::offersInterest(invoice));
    m_summary->setWordWrap(true);
    m_summary->setMinimumWidth(420);

    auto* form = new QFormLayout;
    form->addRow(tr("&Letter:"), m_level);
    form->addRow(tr("&Dated:"), m_date);
    form->addRow(QString(), m_interest);

    QString history;
    for (const Reminder& sent : invoice.reminders)
        history +=
            tr("%1 sent on %2")
                .arg(Reminder::levelName(sent.level).toQString(), sent.date.inWords().toQString()) +
            u'\n';
    auto* sent = new QLabel(
        history.isEmpty() ? tr("No reminder has been sent yet.") : history.trimmed(), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    const auto addButton = [&](const QString& text, Action action) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::AcceptRole);
        connect(button, &QPushButton::clicked, this, [this, action] {
            m_action = action;
            accept();
        });
        return button;
    };
    addButton(tr("&Print..."), PrintLetter)->setDefault(true);
    addButton(tr("&Export as PDF..."), ExportLetter);
    if (canMail)
        addButton(tr("Send by E-&mail..."), MailLetter);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sent);
    layout->addLayout(form);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);

    connect(m_level, &QComboBox::currentIndexChanged, this, &ReminderDialog::refresh);
    connect(m_date, &QDateEdit::dateChanged, this, &ReminderDialog::refresh);
    connect(m_interest, &QCheckBox::toggled, this, &ReminderDialog::refresh);
    refresh();
}

ReminderLetter ReminderDialog::letter() const
{
    const int level = m_level->currentData().toInt();
    const OMDate day = m_date->day();
    return ReminderLetter(m_invoice, m_vat, level, day, ReminderLetter::textFor(level),
                          m_interest->isEnabled() && m_interest->isChecked(),
                          LateInterest::currentRates(), m_credited);
}

void ReminderDialog::refresh()
{
    // Interest is offered on the final notice, and to businesses only.
    m_interest->setEnabled(m_level->currentData().toInt() == Reminder::FinalNotice &&
                           ReminderLetter::offersInterest(m_invoice));
    const ReminderLetter l = letter();
    QString text =
        tr("Invoice %1 of %2: %3 due, %4 overdue.")
            .arg(l.invoiceNumber, l.invoiceDate.inWords().toQString(), money(l.amountDue),
                 l.daysOverdue == 1 ? tr("1 day") : tr("%1 days").arg(l.daysOverdue));
    if (l.claim)
        text += u' ' + tr("Interest %1 and compensation %2: %3 to pay in all.")
                           .arg(money(l.claim->interest), money(l.claim->compensation),
                                money(l.totalDue()));
    else if (!ReminderLetter::offersInterest(m_invoice))
        text += u' ' + tr("No interest: the customer is not a business.");
    m_summary->setText(text);
}
