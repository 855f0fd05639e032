#include "OptionsRemindersPage.h"

#include "records/LateInterest.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using ombrel::OMString;

OptionsRemindersPage::OptionsRemindersPage(QWidget* parent)
    : PropertyPage(tr("Reminders"), parent), m_rates(new QPlainTextEdit(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("The letters of a payment reminder. {invoice}, {date}, {amount} "
                                "and {days} stand for the invoice's number, its date, the "
                                "amount due and the days overdue."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    const QString titles[3] = {tr("&Friendly reminder"), tr("F&irm reminder"), tr("Fi&nal notice")};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(titles[i], this);
        auto* edit = new QPlainTextEdit(this);
        label->setBuddy(edit);
        edit->setAccessibleName(QString(titles[i]).remove(u'&'));
        edit->setTabChangesFocus(true);
        edit->setMaximumHeight(edit->fontMetrics().lineSpacing() * 5);
        connect(edit, &QPlainTextEdit::textChanged, this, [this] { setModified(); });
        layout->addWidget(label);
        layout->addWidget(edit);
        m_texts[size_t(i)] = edit;
    }
    auto* ratesLabel = new QLabel(
        tr("Base &rates for late-payment interest, one a line as YYYY-MM-DD and the rate in "
           "percent, added to those the program knows (the latest is %1 from %2):")
            .arg(LateInterest::rateText(LateInterest::defaultRates().back().rate),
                 LateInterest::defaultRates().back().from.inWords().toQString()),
        this);
    ratesLabel->setWordWrap(true);
    ratesLabel->setBuddy(m_rates);
    m_rates->setAccessibleName(tr("Base rates"));
    m_rates->setTabChangesFocus(true);
    m_rates->setMaximumHeight(m_rates->fontMetrics().lineSpacing() * 4);
    connect(m_rates, &QPlainTextEdit::textChanged, this, [this] { setModified(); });
    layout->addWidget(ratesLabel);
    layout->addWidget(m_rates);
    layout->addStretch(1);
}

void OptionsRemindersPage::loadSettings()
{
    for (int i = 0; i < 3; ++i)
        m_texts[size_t(i)]->setPlainText(
            SettingsStore::get(SettingKeys::ReminderTexts[i]).toQString());
    m_rates->setPlainText(SettingsStore::get(SettingKeys::LatePaymentBaseRates).toQString());
    setModified(false);
}

bool OptionsRemindersPage::canSave()
{
    std::vector<LateInterest::BaseRate> rates;
    QString error;
    if (LateInterest::parseRates(m_rates->toPlainText(), &rates, &error))
        return true;
    MessageHook::show(error, MessageHook::Warning, MessageHook::Ok);
    m_rates->setFocus();
    return false;
}

void OptionsRemindersPage::saveSettings()
{
    for (int i = 0; i < 3; ++i)
        SettingsStore::set(SettingKeys::ReminderTexts[i],
                           OMString::fromQString(m_texts[size_t(i)]->toPlainText().trimmed()));
    std::vector<LateInterest::BaseRate> rates;
    LateInterest::parseRates(m_rates->toPlainText(), &rates);
    SettingsStore::set(SettingKeys::LatePaymentBaseRates,
                       OMString::fromQString(LateInterest::ratesText(rates)));
}
