#include "OptionsCompanyPage.h"

#include "records/Percentage.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"
#include "views/FilteredLineEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using ombrel::OMString;
using namespace SettingKeys;

namespace {

QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).remove(u'&').remove(u':').trimmed());
    return label;
}

} // namespace

OptionsCompanyPage::OptionsCompanyPage(QWidget* parent)
    : PropertyPage(tr("Business Information"), parent), m_type(new QButtonGroup(this)),
      m_name(new QLineEdit(this)), m_address(new QPlainTextEdit(this)),
      m_ownersLabel(new QLabel(this)), m_owners(new QLineEdit(this)),
      m_vat(new QCheckBox(tr("Business is &VAT Registered"), this)), m_registrationLabel(nullptr),
      m_registration(new QLineEdit(this)), m_rateLabel(nullptr),
      m_rate(new FilteredLineEdit(QStringLiteral("0123456789."), FilteredLineEdit::Include, this)),
      m_percent(new QLabel(QStringLiteral("%"), this)), m_companyNumber(new QLineEdit(this)),
      m_country(new QLineEdit(this)), m_currency(new QLineEdit(this)),
      m_mailEInvoice(new QCheckBox(tr("Attach the e-invoice to &invoices sent by e-mail"), this))
{
    auto* layout = new QVBoxLayout(this);

    auto* typeBox = new QGroupBox(tr("Business Type"), this);
    auto* typeRow = new QHBoxLayout(typeBox);
    const QString types[3] = {tr("&Sole Trader"), tr("&Partnership"), tr("&Limited Company")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(types[i], typeBox);
        m_type->addButton(radio, i);
        typeRow->addWidget(radio);
    }
    typeRow->addStretch(1);
    layout->addWidget(typeBox);

    auto* columns = new QHBoxLayout;
    auto* left = new QFormLayout;
    left->addRow(buddyLabel(tr("Business &Name:"), m_name, this), m_name);
    m_address->setTabChangesFocus(true);
    m_address->setMinimumHeight(m_address->fontMetrics().lineSpacing() * 5);
    left->addRow(buddyLabel(tr("&Address:"), m_address, this), m_address);
    m_ownersLabel->setBuddy(m_owners);
    m_owners->setAccessibleName(tr("Owners"));
    left->addRow(m_ownersLabel, m_owners);
    columns->addLayout(left, 3);

    auto* right = new QFormLayout;
    const QString contact[4] = {tr("P&hone:"), tr("Fa&x:"), tr("&Mobile:"), tr("&E-mail:")};
    for (size_t i = 0; i < 4; ++i) {
        m_contact[i] = new QLineEdit(this);
        right->addRow(buddyLabel(contact[i], m_contact[i], this), m_contact[i]);
    }
    columns->addLayout(right, 2);
    layout->addLayout(columns);

    auto* vatBox = new QGroupBox(tr("VAT"), this);
    auto* vat = new QGridLayout(vatBox);
    vat->addWidget(m_vat, 0, 0, 1, 3);
    m_registrationLabel = buddyLabel(tr("VAT Re&gistration No."), m_registration, vatBox);
    vat->addWidget(m_registrationLabel, 1, 0);
    vat->addWidget(m_registration, 1, 1, 1, 2);
    m_rateLabel = buddyLabel(tr("Standard VAT Ra&te:"), m_rate, vatBox);
    vat->addWidget(m_rateLabel, 2, 0);
    m_rate->setMaximumWidth(m_rate->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    vat->addWidget(m_rate, 2, 1);
    vat->addWidget(m_percent, 2, 2);
    vat->setColumnStretch(2, 1);
    layout->addWidget(vatBox);

    auto* eBox = new QGroupBox(tr("E-invoices"), this);
    auto* e = new QGridLayout(eBox);
    e->addWidget(buddyLabel(tr("Compan&y No.:"), m_companyNumber, eBox), 0, 0);
    e->addWidget(m_companyNumber, 0, 1, 1, 3);
    const int codeWidth = m_country->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM"));
    m_country->setMaxLength(2);
    m_country->setMaximumWidth(codeWidth);
    m_currency->setMaxLength(3);
    m_currency->setMaximumWidth(codeWidth);
    // The placeholders show what an empty field stands for: the locale's.
    m_country->setPlaceholderText(SettingsStore::localeCountry().toQString());
    m_currency->setPlaceholderText(SettingsStore::localeCurrencyCode().toQString());
    e->addWidget(buddyLabel(tr("C&ountry:"), m_country, eBox), 1, 0);
    e->addWidget(m_country, 1, 1);
    e->addWidget(buddyLabel(tr("C&urrency:"), m_currency, eBox), 1, 2);
    e->addWidget(m_currency, 1, 3);
    e->addWidget(m_mailEInvoice, 2, 0, 1, 4);
    e->setColumnStretch(4, 1);
    layout->addWidget(eBox);
    layout->addStretch(1);

    // Tab order follows the page from top to bottom, left column first.
    setTabOrder({m_type->button(0), m_type->button(1), m_type->button(2), m_name, m_address,
                 m_owners, m_contact[0], m_contact[1], m_contact[2], m_contact[3], m_vat,
                 m_registration, m_rate, m_companyNumber, m_country, m_currency, m_mailEInvoice});

    connect(m_type, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (!on)
            return;
        setModified();
        updateControls();
    });
    connect(m_vat, &QCheckBox::toggled, this, [this] {
        setModified();
        updateControls();
    });
    connect(m_mailEInvoice, &QCheckBox::toggled, this, [this] { setModified(); });
    for (QLineEdit* edit : {m_name, m_owners, m_registration, static_cast<QLineEdit*>(m_rate),
                            m_companyNumber, m_country, m_currency})
        connect(edit, &QLineEdit::textEdited, this, [this] { setModified(); });
    for (QLineEdit* edit : m_contact)
        connect(edit, &QLineEdit::textEdited, this, [this] { setModified(); });
    connect(m_address, &QPlainTextEdit::textChanged, this, [this] { setModified(); });
    updateControls();
}

QString OptionsCompanyPage::ownersLabelText(int type)
{
    static const int ids[3] = {IDS_PROPRIETOR, IDS_PARTNERS, IDS_DIRECTORS};
    if (type < 0 || type > 2)
        type = 0;
    QString text = StringTable::text(ids[type]).toQString() + u':';
    // The same key reaches the field whatever the type is called.
    const qsizetype r = text.indexOf(u'r');
    if (r >= 0)
        text.insert(r, u'&');
    return text;
}

QString OptionsCompanyPage::addressForEdit(const QString& stored)
{
    return QString(stored).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString OptionsCompanyPage::addressForStore(const QString& typed)
{
    return addressForEdit(typed).replace(u'\n', QLatin1String("\r\n"));
}

QString OptionsCompanyPage::businessName() const
{
    return m_name->text();
}

void OptionsCompanyPage::updateControls()
{
    int type = m_type->checkedId();
    if (type < 0 || type > 2) {
        type = 0;
        m_type->button(0)->setChecked(true);
    }
    m_ownersLabel->setText(ownersLabelText(type));
    const bool vat = m_vat->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_registrationLabel, m_registration,
                                                      m_rateLabel, m_rate, m_percent})
        w->setEnabled(vat);
}

void OptionsCompanyPage::loadSettings()
{
    const int type = SettingsStore::get(CompanyType);
    m_type->button(type >= 0 && type <= 2 ? type : 0)->setChecked(true);
    m_name->setText(SettingsStore::get(CompanyName).toQString());
    m_address->setPlainText(addressForEdit(SettingsStore::get(CompanyAddress).toQString()));
    const StringSetting* contact[4] = {&CompanyPhone, &CompanyFax, &CompanyMobile, &CompanyEmail};
    for (size_t i = 0; i < 4; ++i)
        m_contact[i]->setText(SettingsStore::get(*contact[i]).toQString());
    m_owners->setText(SettingsStore::get(CompanyDirectors).toQString());
    m_vat->setChecked(SettingsStore::isSet(IsVATRegistered));
    m_registration->setText(SettingsStore::get(VATRegistrationNo).toQString());
    m_rate->setText(Percentage(SettingsStore::get(VATRate)).toText(false).toQString());
    m_companyNumber->setText(SettingsStore::get(CompanyNumber).toQString());
    m_country->setText(SettingsStore::get(CompanyCountry).toQString());
    m_currency->setText(SettingsStore::get(CurrencyCode).toQString());
    m_mailEInvoice->setChecked(SettingsStore::isSet(MailEInvoice));
    updateControls();
}

void OptionsCompanyPage::saveSettings()
{
    store(CompanyName, OMString::fromQString(m_name->text()));
    store(CompanyAddress, OMString::fromQString(addressForStore(m_address->toPlainText())));
    const StringSetting* contact[4] = {&CompanyPhone, &CompanyFax, &CompanyMobile, &CompanyEmail};
    for (size_t i = 0; i < 4; ++i)
        store(*contact[i], OMString::fromQString(m_contact[i]->text()));
    store(CompanyDirectors, OMString::fromQString(m_owners->text()));
    store(VATRegistrationNo, OMString::fromQString(m_registration->text()));
    store(CompanyType, m_type->checkedId() < 0 ? 0 : m_type->checkedId());
    store(IsVATRegistered, m_vat->isChecked() ? 1 : 0);
    store(VATRate, Percentage::parseText(OMString::fromQString(m_rate->text())).value());
    store(CompanyNumber, OMString::fromQString(m_companyNumber->text().trimmed()));
    store(CompanyCountry, OMString::fromQString(m_country->text().trimmed().toUpper()));
    store(CurrencyCode, OMString::fromQString(m_currency->text().trimmed().toUpper()));
    store(MailEInvoice, m_mailEInvoice->isChecked() ? 1 : 0);
}
