#include "LocationTab.h"

#include "FieldLabel.h"
#include "UpperCaseValidator.h"
#include "records/Customer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using ombrel::OMString;

LocationTab::LocationTab(QWidget* parent)
    : EditTab(parent), m_same(new QCheckBox(tr("&Job location is same as customer address"), this)),
      m_company(new QLineEdit(this)), m_address(new QPlainTextEdit(this)),
      m_town(new QLineEdit(this)), m_county(new QLineEdit(this)), m_postcode(new QLineEdit(this)),
      m_phone(new QLineEdit(this)), m_fax(new QLineEdit(this))
{
    m_address->setTabChangesFocus(true);
    m_address->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_postcode->setValidator(new UpperCaseValidator(m_postcode));

    const std::pair<QWidget*, const char*> names[] = {
        {m_same, "sameAsCustomer"}, {m_company, "company"}, {m_address, "address"},
        {m_town, "town"},           {m_county, "county"},   {m_postcode, "postcode"},
        {m_phone, "phone"},         {m_fax, "fax"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    const std::pair<QString, QWidget*> rows[] = {
        {tr("&Company"), m_company}, {tr("&Address"), m_address},   {tr("&Town"), m_town},
        {tr("Co&unty"), m_county},   {tr("Postco&de"), m_postcode}, {tr("&Phone"), m_phone},
        {tr("Fa&x"), m_fax}};
    int r = 0;
    for (const auto& [text, field] : rows) {
        form->addWidget(new FieldLabel(text, field, this), r, 0,
                        field == m_address ? Qt::AlignTop : Qt::Alignment());
        form->addWidget(field, r++, 1);
    }
    form->setRowStretch(r, 1);
    // A readable size on a large window, as the customer's form.
    m_address->setMaximumHeight(m_address->fontMetrics().lineSpacing() * 8 + 12);
    auto* formBox = new QWidget(this);
    formBox->setLayout(form);
    form->setContentsMargins(0, 0, 0, 0);
    formBox->setMaximumWidth(fontMetrics().averageCharWidth() * 80);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_same);
    layout->addWidget(formBox, 1);

    QWidget* order[] = {m_same, m_company, m_address, m_town, m_county, m_postcode, m_phone, m_fax};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* edit : {m_company, m_town, m_county, m_postcode, m_phone, m_fax})
        watchEdit(edit);
    watchEdit(m_address);
    watchBox(m_same, [this] {
        const bool ticked = m_same->isChecked();
        fields.sameAsCustomer = ticked;
        enableFields(!ticked);
        markModified();
    });
}

QWidget* LocationTab::firstField() const
{
    return m_same;
}

void LocationTab::loadLocation(const Customer& location, bool sameAsCustomer)
{
    fields.company = location.company.toQString();
    fields.address = location.address.first.toQString();
    fields.town = location.address.town.toQString();
    fields.county = location.address.county.toQString();
    fields.postcode = location.address.postcode.toQString();
    fields.phone = location.phone.toQString();
    fields.fax = location.fax.toQString();
    fields.sameAsCustomer = sameAsCustomer;
}

bool LocationTab::saveLocation(Customer& location) const
{
    location.company = OMString::fromQString(fields.company);
    location.address.first = OMString::fromQString(fields.address);
    location.address.town = OMString::fromQString(fields.town);
    location.address.county = OMString::fromQString(fields.county);
    location.address.postcode = OMString::fromQString(fields.postcode);
    location.phone = OMString::fromQString(fields.phone);
    location.fax = OMString::fromQString(fields.fax);
    return fields.sameAsCustomer;
}

void LocationTab::exchangeData(DataExchange& dx)
{
    if (!dx.isSaving())
        enableFields(!fields.sameAsCustomer);
    dx.check(m_same, fields.sameAsCustomer);
    dx.text(m_company, fields.company);
    dx.multiLineText(m_address, fields.address);
    dx.text(m_town, fields.town);
    dx.text(m_county, fields.county);
    dx.text(m_postcode, fields.postcode);
    dx.text(m_phone, fields.phone);
    dx.text(m_fax, fields.fax);
}

void LocationTab::enableFields(bool enable)
{
    for (QWidget* field : std::initializer_list<QWidget*>{m_company, m_address, m_town, m_county,
                                                          m_postcode, m_phone, m_fax})
        field->setEnabled(enable);
}
