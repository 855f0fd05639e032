#include "OptionsMiscPage.h"

#include "settings/SettingsStore.h"
#include "views/NamedComboAccessible.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using ombrel::OMString;
using namespace SettingKeys;

OptionsMiscPage::OptionsMiscPage(QWidget* parent)
    : PropertyPage(tr("Miscellaneous"), parent), m_currency(new QLineEdit(this)),
      m_hours(new QLineEdit(this)), m_distance(new QLineEdit(this)),
      m_dateFormat(new QComboBox(this)),
      m_splash(new QCheckBox(tr("Display the &splash screen on startup"), this)),
      m_allPayments(new QCheckBox(tr("Show &all payments received on invoices"), this))
{
    auto* layout = new QVBoxLayout(this);
    auto* symbols = new QGroupBox(tr("Symbols and Dates"), this);
    auto* form = new QFormLayout(symbols);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto row = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, symbols);
        label->setBuddy(field);
        field->setAccessibleName(QString(text).remove(u'&').remove(u':'));
        form->addRow(label, field);
    };
    const int width = m_currency->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMM"));
    for (QLineEdit* edit : {m_currency, m_hours, m_distance}) {
        edit->setMaximumWidth(width);
        connect(edit, &QLineEdit::textEdited, this, [this] {
            setModified();
            emit symbolsEdited(m_currency->text(), m_hours->text(), m_distance->text());
        });
    }
    row(tr("&Currency Symbol:"), m_currency);
    row(tr("&Hours symbol:"), m_hours);
    row(tr("&Distance symbol:"), m_distance);
    NamedComboAccessible::keepName(m_dateFormat);
    m_dateFormat->addItems({QStringLiteral("DD/MM/YYYY"), QStringLiteral("MM/DD/YYYY")});
    row(tr("Date &Format:"), m_dateFormat);
    layout->addWidget(symbols);
    layout->addWidget(m_splash);
    layout->addWidget(m_allPayments);
    layout->addStretch(1);

    connect(m_dateFormat, &QComboBox::activated, this, [this] { setModified(); });
    for (QCheckBox* box : {m_splash, m_allPayments})
        connect(box, &QCheckBox::toggled, this, [this] { setModified(); });
}

void OptionsMiscPage::loadSettings()
{
    m_currency->setText(SettingsStore::currencySymbol().toQString());
    m_hours->setText(SettingsStore::hoursSymbol().toQString());
    m_distance->setText(SettingsStore::distanceSymbol().toQString());
    // A format the list does not hold (a locale's own pattern) shows as the first.
    m_dateFormat->setCurrentIndex(
        std::max(0, m_dateFormat->findText(SettingsStore::dateFormat().toQString(),
                                           Qt::MatchFixedString | Qt::MatchCaseSensitive)));
    m_splash->setChecked(SettingsStore::isSet(Splash));
    m_allPayments->setChecked(SettingsStore::isSet(ShowAllInvoicePayments));
}

void OptionsMiscPage::saveSettings()
{
    store(Splash, m_splash->isChecked() ? 1 : 0);
    store(ShowAllInvoicePayments, m_allPayments->isChecked() ? 1 : 0);
    store(CurrencySymbol, OMString::fromQString(m_currency->text()));
    store(HoursSymbol, OMString::fromQString(m_hours->text()));
    store(DistanceSymbol, OMString::fromQString(m_distance->text()));
    store(DateFormat, OMString::fromQString(m_dateFormat->currentText()));
}
