#include "OptionsPaymentPage.h"

#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using ombrel::OMString;

namespace {

const StringSetting* const FieldSettings[OptionsPaymentPage::FieldCount] = {
    &SettingKeys::BankAccountName, &SettingKeys::BankSortCode, &SettingKeys::BankAccountNumber,
    &SettingKeys::BankIBAN, &SettingKeys::BankBIC};

} // namespace

OptionsPaymentPage::OptionsPaymentPage(QWidget* parent)
    : PropertyPage(tr("Payment"), parent), m_instructions(new QPlainTextEdit(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(tr("Invoices print these under their totals while an amount is due."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* bank = new QGroupBox(tr("Bank account"), this);
    auto* form = new QFormLayout(bank);
    const QString labels[FieldCount] = {tr("Account &name:"), tr("&Sort code:"),
                                        tr("Account n&umber:"), tr("&IBAN:"), tr("&BIC:")};
    for (int i = 0; i < FieldCount; ++i) {
        auto* edit = new QLineEdit(bank);
        auto* label = new QLabel(labels[i], bank);
        label->setBuddy(edit);
        edit->setAccessibleName(QString(labels[i]).remove(u'&').remove(u':'));
        connect(edit, &QLineEdit::textEdited, this, [this] { setModified(); });
        form->addRow(label, edit);
        m_fields[size_t(i)] = edit;
    }
    layout->addWidget(bank);

    auto* label =
        new QLabel(tr("Payment &instructions (for example, the reference to quote):"), this);
    label->setWordWrap(true);
    label->setBuddy(m_instructions);
    m_instructions->setAccessibleName(tr("Payment instructions"));
    m_instructions->setTabChangesFocus(true);
    m_instructions->setMaximumHeight(m_instructions->fontMetrics().lineSpacing() * 5);
    connect(m_instructions, &QPlainTextEdit::textChanged, this, [this] { setModified(); });
    layout->addWidget(label);
    layout->addWidget(m_instructions);
    layout->addStretch(1);
}

void OptionsPaymentPage::loadSettings()
{
    for (int i = 0; i < FieldCount; ++i)
        m_fields[size_t(i)]->setText(SettingsStore::get(*FieldSettings[i]).toQString());
    m_instructions->setPlainText(SettingsStore::get(SettingKeys::PaymentInstructions).toQString());
}

void OptionsPaymentPage::saveSettings()
{
    for (int i = 0; i < FieldCount; ++i)
        store(*FieldSettings[i], OMString::fromQString(m_fields[size_t(i)]->text().trimmed()));
    store(SettingKeys::PaymentInstructions,
          OMString::fromQString(m_instructions->toPlainText().trimmed()));
}
