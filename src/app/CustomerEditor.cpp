#include "CustomerEditor.h"

#include "customers/CustomerFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using ombrel::OMString;

namespace {

QByteArray recordOf(const Customer& customer)
{
    QByteArray bytes;
    CustomerFile::write(customer, bytes);
    return bytes;
}

} // namespace

CustomerEditor::CustomerEditor(QWidget* parent)
    : QWidget(parent), m_heading(new QLabel(this)), m_title(new QComboBox(this)),
      m_name(new QLineEdit(this)), m_initial(new QLineEdit(this)), m_surname(new QLineEdit(this)),
      m_company(new QLineEdit(this)), m_address(new QPlainTextEdit(this)),
      m_town(new QLineEdit(this)), m_county(new QLineEdit(this)), m_postcode(new QLineEdit(this)),
      m_phone(new QLineEdit(this)), m_mobile(new QLineEdit(this)), m_fax(new QLineEdit(this)),
      m_email(new QLineEdit(this)), m_vatNumber(new QLineEdit(this)),
      m_country(new QLineEdit(this)), m_business(new QCheckBox(tr("Business &customer"), this)),
      m_cisContractor(new QCheckBox(tr("CIS contractor"), this)),
      m_endUserNotice(new QCheckBox(tr("End user or intermediary notice received"), this)),
      m_cisRate(new QComboBox(this)), m_save(new QPushButton(tr("&Save"), this)),
      m_revert(new QPushButton(tr("Revert"), this))
{
    m_title->setEditable(true);
    m_title->addItems({QString(), tr("Mr"), tr("Mrs"), tr("Miss"), tr("Ms"), tr("Dr")});
    m_initial->setMaxLength(4);
    m_address->setTabChangesFocus(true);
    m_address->setFixedHeight(m_address->fontMetrics().lineSpacing() * 4 + 12);
    m_cisRate->addItems({tr("20 %"), tr("30 %"), tr("0 % (gross)")});
    m_country->setPlaceholderText(tr("own"));
    m_country->setMaxLength(2);
    m_country->setToolTip(tr("Two-letter country code (IE, FR, ...); empty for the business's "
                             "own country"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto row = [&](const QString& label, QWidget* field, const char* name) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        form->addRow(text, field);
    };
    row(tr("Tit&le"), m_title, "title");
    row(tr("&Name"), m_name, "name");
    row(tr("&Initial"), m_initial, "initial");
    row(tr("Su&rname"), m_surname, "surname");
    row(tr("Compan&y"), m_company, "company");
    row(tr("&Address"), m_address, "address");
    row(tr("&Town"), m_town, "town");
    row(tr("County"), m_county, "county");
    row(tr("&Postcode"), m_postcode, "postcode");
    row(tr("Ph&one"), m_phone, "phone");
    row(tr("Mo&bile"), m_mobile, "mobile");
    row(tr("Fa&x"), m_fax, "fax");
    row(tr("E-mail"), m_email, "email");
    row(tr("VAT re&gistration no."), m_vatNumber, "vatNumber");
    row(tr("Country code"), m_country, "country");
    form->addRow(QString(), m_business);
    m_business->setObjectName(QStringLiteral("business"));
    form->addRow(QString(), m_cisContractor);
    m_cisContractor->setObjectName(QStringLiteral("cisContractor"));
    form->addRow(QString(), m_endUserNotice);
    m_endUserNotice->setObjectName(QStringLiteral("endUserNotice"));
    row(tr("CIS deduction rate"), m_cisRate, "cisRate");

    m_save->setEnabled(false);
    m_revert->setEnabled(false);
    m_save->setToolTip(tr("Store the changes in the customer database"));
    m_revert->setToolTip(tr("Show the customer as stored, forgetting the changes"));
    // The buttons stand beside the heading, above the scrolled fields, so
    // they stay in sight; Tab reaches them after the last field.
    auto* head = new QHBoxLayout;
    head->addWidget(m_heading, 1);
    head->addWidget(m_save);
    head->addWidget(m_revert);
    setTabOrder(m_cisRate, m_save);
    setTabOrder(m_save, m_revert);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(head);
    m_fields = new QWidget(this);
    auto* fieldsLayout = new QVBoxLayout(m_fields);
    fieldsLayout->addLayout(form);
    fieldsLayout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_fields);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scroll, 1);

    for (QLineEdit* edit : {m_name, m_initial, m_surname, m_company, m_town, m_county, m_postcode,
                            m_phone, m_mobile, m_fax, m_email, m_vatNumber, m_country})
        connect(edit, &QLineEdit::textEdited, this, &CustomerEditor::fieldEdited);
    connect(m_title, &QComboBox::editTextChanged, this, &CustomerEditor::fieldEdited);
    connect(m_address, &QPlainTextEdit::textChanged, this, &CustomerEditor::fieldEdited);
    for (QCheckBox* box : {m_business, m_cisContractor, m_endUserNotice})
        connect(box, &QCheckBox::toggled, this, &CustomerEditor::fieldEdited);
    connect(m_cisRate, &QComboBox::currentIndexChanged, this, &CustomerEditor::fieldEdited);
    // Enter in a one-line field saves, as the default button of a dialog would.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::returnPressed, m_save, &QPushButton::click);
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (isModified())
            emit saveRequested(customer());
    });
    connect(m_revert, &QPushButton::clicked, this, [this] { setCustomer(m_original); });
    setCustomer(Customer());
}

void CustomerEditor::setCustomer(const Customer& c)
{
    m_original = c;
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_title),   QSignalBlocker(m_address),       QSignalBlocker(m_business),
        QSignalBlocker(m_cisRate), QSignalBlocker(m_cisContractor), QSignalBlocker(m_endUserNotice),
    };
    m_title->setEditText(c.title.toQString());
    m_name->setText(c.name.toQString());
    m_initial->setText(c.initial.toQString());
    m_surname->setText(c.surname.toQString());
    m_company->setText(c.company.toQString());
    m_address->setPlainText(c.address.first.toQString());
    m_town->setText(c.address.town.toQString());
    m_county->setText(c.address.county.toQString());
    m_postcode->setText(c.address.postcode.toQString());
    m_phone->setText(c.phone.toQString());
    m_mobile->setText(c.mobile.toQString());
    m_fax->setText(c.fax.toQString());
    m_email->setText(c.email.toQString());
    m_vatNumber->setText(c.vatNumber.toQString());
    m_country->setText(c.country.toQString());
    m_business->setChecked(c.business);
    m_cisContractor->setChecked(c.cisContractor);
    m_endUserNotice->setChecked(c.endUserNotice);
    m_cisRate->setCurrentIndex(c.cisRate == 30 ? 1 : c.cisRate == 0 ? 2 : 0);
    m_heading->setText(c.custno ? tr("Customer number %1").arg(c.custno)
                                : tr("No customer chosen"));
    m_fields->setEnabled(c.custno != 0);
    updateState();
}

Customer CustomerEditor::customer() const
{
    Customer c = m_original;
    c.title = OMString::fromQString(m_title->currentText());
    c.name = OMString::fromQString(m_name->text());
    c.initial = OMString::fromQString(m_initial->text());
    c.surname = OMString::fromQString(m_surname->text());
    c.company = OMString::fromQString(m_company->text());
    c.address.first = OMString::fromQString(m_address->toPlainText());
    c.address.town = OMString::fromQString(m_town->text());
    c.address.county = OMString::fromQString(m_county->text());
    c.address.postcode = OMString::fromQString(m_postcode->text());
    c.phone = OMString::fromQString(m_phone->text());
    c.mobile = OMString::fromQString(m_mobile->text());
    c.fax = OMString::fromQString(m_fax->text());
    c.email = OMString::fromQString(m_email->text().trimmed());
    c.vatNumber = OMString::fromQString(m_vatNumber->text().trimmed());
    c.country = OMString::fromQString(m_country->text().trimmed().toUpper());
    c.business = m_business->isChecked();
    c.cisContractor = m_cisContractor->isChecked();
    c.endUserNotice = m_endUserNotice->isChecked();
    c.cisRate = m_cisRate->currentIndex() == 1   ? 30
                : m_cisRate->currentIndex() == 2 ? 0
                                                 : Customer::DefaultCisRate;
    // The scheme is a business's: a customer made a consumer loses its
    // settings, as on the Customer Details tab; one that was a consumer keeps
    // what it held (the fields were not open to change).
    if (!c.business) {
        c.cisContractor = m_original.business ? false : m_original.cisContractor;
        c.endUserNotice = m_original.business ? false : m_original.endUserNotice;
        c.cisRate = m_original.business ? Customer::DefaultCisRate : m_original.cisRate;
    }
    return c;
}

bool CustomerEditor::isModified() const
{
    return m_original.custno != 0 && recordOf(customer()) != recordOf(m_original);
}

QWidget* CustomerEditor::firstField() const
{
    return m_title;
}

QWidget* CustomerEditor::field(const QString& name) const
{
    return findChild<QWidget*>(name);
}

void CustomerEditor::fieldEdited()
{
    updateState();
}

void CustomerEditor::updateState()
{
    const bool business = m_business->isChecked();
    const bool chosen = m_original.custno != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{m_cisContractor, m_endUserNotice, m_cisRate})
        w->setEnabled(chosen && business);
    const bool modified = isModified();
    m_save->setEnabled(modified);
    m_revert->setEnabled(modified);
    if (modified != m_wasModified) {
        m_wasModified = modified;
        emit modifiedChanged(modified);
    }
}
