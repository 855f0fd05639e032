#include "CustomerTab.h"

#include "ColourLabel.h"
#include "FieldLabel.h"
#include "MessageHook.h"
#include "NamedComboAccessible.h"
#include "TabbedEditView.h"
#include "UpperCaseValidator.h"
#include "customers/CustomerDatabase.h"
#include "customers/CustomerSearch.h"
#include "documents/JobBaseDoc.h"
#include "records/Customer.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using ombrel::OMString;

CustomerTab::CustomerTab(QWidget* parent)
    : EditTab(parent), m_title(new QComboBox(this)), m_name(new QLineEdit(this)),
      m_initial(new QLineEdit(this)), m_surname(new QLineEdit(this)),
      m_company(new QLineEdit(this)), m_address(new QPlainTextEdit(this)),
      m_town(new QLineEdit(this)), m_county(new QLineEdit(this)), m_postcode(new QLineEdit(this)),
      m_phone(new QLineEdit(this)), m_fax(new QLineEdit(this)), m_mobile(new QLineEdit(this)),
      m_email(new QLineEdit(this)), m_vatNumber(new QLineEdit(this)),
      m_country(new QLineEdit(this)), m_business(new QCheckBox(tr("Business customer"), this)),
      m_cis(new QGroupBox(tr("Construction Industry Scheme"), this)),
      m_cisContractor(new QCheckBox(tr("CIS contractor"), m_cis)),
      m_endUserNotice(new QCheckBox(tr("End user or intermediary notice received"), m_cis)),
      m_cisRate(new QComboBox(m_cis)), m_label(new ColourLabel(this)),
      m_search(new QPushButton(tr("&Search"), this)), m_next(new QPushButton(tr("&Next"), this)),
      m_previous(new QPushButton(tr("&Previous"), this)),
      m_clear(new QPushButton(tr("&Clear Customer Information"), this))
{
    fields.labelText = StringTable::text(IDS_NEW_CUSTOMER).toQString();
    buildForm();

    for (QLineEdit* edit : {m_name, m_initial, m_surname, m_company, m_town, m_county, m_postcode,
                            m_phone, m_fax, m_mobile, m_email, m_vatNumber, m_country})
        connect(edit, &QLineEdit::textChanged, this, &CustomerTab::fieldEdited);
    for (QCheckBox* box : {m_business, m_cisContractor, m_endUserNotice})
        connect(box, &QCheckBox::toggled, this, &CustomerTab::fieldEdited);
    connect(m_business, &QCheckBox::toggled, m_cis, &QWidget::setVisible);
    connect(m_cisRate, &QComboBox::currentIndexChanged, this, &CustomerTab::fieldEdited);
    connect(m_address, &QPlainTextEdit::textChanged, this, &CustomerTab::fieldEdited);
    // A title picked from the list or typed into the field is an edit; the
    // program filling the field is not (textEdited is the user's typing only).
    // The combo box also reports the entry matching its text when the field
    // merely loses the focus: only a title other than the one held is an edit.
    connect(m_title, &QComboBox::activated, this, [this] {
        if (m_title->currentText() != fields.title)
            fieldEdited();
    });
    connect(m_title->lineEdit(), &QLineEdit::textEdited, this, &CustomerTab::fieldEdited);
    connect(m_search, &QPushButton::clicked, this, &CustomerTab::searchCustomers);
    connect(m_next, &QPushButton::clicked, this, &CustomerTab::showNextMatch);
    connect(m_previous, &QPushButton::clicked, this, &CustomerTab::showPreviousMatch);
    connect(m_clear, &QPushButton::clicked, this, &CustomerTab::clearCustomer);
    updateButtons();
}

CustomerTab::~CustomerTab() = default;

void CustomerTab::buildForm()
{
    // Before anything asks for its interface (filling it does).
    NamedComboAccessible::keepName(m_title);
    QStringList titles = {"Mr", "Mrs", "Miss", "Ms", "Rev", "Dr"};
    titles.sort();
    m_title->addItems(titles);
    m_title->setEditable(true);
    m_title->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: no completion behind the user's back.
    m_title->setCompleter(nullptr);
    m_title->setCurrentIndex(-1);
    m_address->setTabChangesFocus(true);
    m_address->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_postcode->setValidator(new UpperCaseValidator(m_postcode));
    m_initial->setMaximumWidth(m_initial->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) +
                               16);

    const std::pair<QWidget*, const char*> names[] = {{m_title, "title"},
                                                      {m_name, "name"},
                                                      {m_initial, "initial"},
                                                      {m_surname, "surname"},
                                                      {m_company, "company"},
                                                      {m_address, "address"},
                                                      {m_town, "town"},
                                                      {m_county, "county"},
                                                      {m_postcode, "postcode"},
                                                      {m_phone, "phone"},
                                                      {m_fax, "fax"},
                                                      {m_mobile, "mobile"},
                                                      {m_label, "label"},
                                                      {m_search, "search"},
                                                      {m_next, "next"},
                                                      {m_previous, "previous"},
                                                      {m_clear, "clear"},
                                                      {m_email, "email"},
                                                      {m_vatNumber, "vatNumber"},
                                                      {m_country, "country"},
                                                      {m_business, "business"},
                                                      {m_cis, "cis"},
                                                      {m_cisContractor, "cisContractor"},
                                                      {m_endUserNotice, "endUserNotice"},
                                                      {m_cisRate, "cisRate"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    // Mnemonics keep clear of the buttons (S, N, P, C) and of the menu bar.
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    const auto row = [&](int r, const QString& text, QWidget* field) {
        form->addWidget(new FieldLabel(text, field, this), r, 0);
        form->addWidget(field, r, 1, 1, r == 1 ? 1 : 3);
    };
    row(0, tr("Tit&le"), m_title);
    row(1, tr("Na&me"), m_name);
    form->addWidget(new FieldLabel(tr("&Initial"), m_initial, this), 1, 2);
    form->addWidget(m_initial, 1, 3);
    row(2, tr("Su&rname"), m_surname);
    row(3, tr("Compan&y"), m_company);
    row(4, tr("&Address"), m_address);
    form->itemAtPosition(4, 0)->setAlignment(Qt::AlignTop);
    row(5, tr("&Town"), m_town);
    row(6, tr("Co&unty"), m_county);
    row(7, tr("Postco&de"), m_postcode);
    row(8, tr("Ph&one"), m_phone);
    row(9, tr("Fa&x"), m_fax);
    row(10, tr("Mo&bile"), m_mobile);
    form->setRowStretch(11, 1);
    // The title list is as wide as its entries, the name fields share the rest.
    form->removeWidget(m_title);
    form->addWidget(m_title, 0, 1, Qt::AlignLeft);

    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSize(9);
    labelFont.setBold(true);
    m_label->setFont(labelFont);
    m_label->setAlignment(Qt::AlignCenter);
    // The customer's number is read, not pressed: no frame that could pass
    // for a button among the buttons below it.
    m_label->setSunken(false);
    m_label->setMinimumHeight(2 * m_label->fontMetrics().lineSpacing() + 8);
    m_label->setTextFormat(Qt::PlainText);

    auto* group = new QGroupBox(tr("Customer Database"), this);
    auto* buttons = new QVBoxLayout(group);
    for (QWidget* w : {static_cast<QWidget*>(m_label), static_cast<QWidget*>(m_search),
                       static_cast<QWidget*>(m_next), static_cast<QWidget*>(m_previous),
                       static_cast<QWidget*>(m_clear)})
        buttons->addWidget(w);
    buttons->addStretch(1);
    for (QPushButton* button : {m_search, m_next, m_previous, m_clear})
        button->setAutoDefault(false);

    // What a business customer needs besides an address: the letters left
    // over by the form and the buttons allow only the VAT number a mnemonic.
    m_cisRate->addItems({tr("20 %"), tr("30 %"), tr("0 % (gross)")});
    m_country->setValidator(new UpperCaseValidator(m_country));
    m_country->setMaxLength(2);
    m_country->setPlaceholderText(tr("own"));
    m_country->setToolTip(tr("Two-letter country code (IE, FR, ...); empty for the "
                             "business's own country"));
    auto* account = new QGroupBox(tr("Account"), this);
    auto* accountForm = new QGridLayout(account);
    const auto accountRow = [&](int r, const QString& text, QWidget* field) {
        accountForm->addWidget(new FieldLabel(text, field, account), r, 0);
        accountForm->addWidget(field, r, 1);
    };
    accountRow(0, tr("E-mail"), m_email);
    accountRow(1, tr("VAT re&gistration no."), m_vatNumber);
    accountRow(2, tr("Country"), m_country);
    m_country->setMaximumWidth(m_country->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) +
                               16);
    accountForm->addWidget(m_business, 3, 0, 1, 2);
    auto* cisForm = new QGridLayout(m_cis);
    cisForm->addWidget(m_cisContractor, 0, 0, 1, 2);
    cisForm->addWidget(m_endUserNotice, 1, 0, 1, 2);
    cisForm->addWidget(new FieldLabel(tr("Deduction rate"), m_cisRate, m_cis), 2, 0);
    cisForm->addWidget(m_cisRate, 2, 1, Qt::AlignLeft);
    accountForm->addWidget(m_cis, 4, 0, 1, 2);
    m_cis->setVisible(false);

    // On a large window the form stays a readable size; the room left over
    // stays empty rather than stretching an address over the screen.
    m_address->setMaximumHeight(m_address->fontMetrics().lineSpacing() * 8 + 12);
    auto* formBox = new QWidget(this);
    formBox->setLayout(form);
    form->setContentsMargins(0, 0, 0, 0);
    formBox->setMaximumWidth(fontMetrics().averageCharWidth() * 80);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(formBox, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(group);
    side->addWidget(account);
    side->addStretch(1);
    layout->addLayout(side, 0);
    layout->addStretch(0);

    QWidget* order[] = {m_title,         m_name,          m_initial,   m_surname,  m_company,
                        m_address,       m_town,          m_county,    m_postcode, m_phone,
                        m_fax,           m_mobile,        m_search,    m_next,     m_previous,
                        m_clear,         m_email,         m_vatNumber, m_country,  m_business,
                        m_cisContractor, m_endUserNotice, m_cisRate};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget* CustomerTab::firstField() const
{
    return m_title;
}

void CustomerTab::loadCustomer(const Customer& customer)
{
    Customer c = customer;
    if (c.custno != 0 && c.laterFields().empty())
        if (const CustomerDatabase* db = database())
            if (const Customer* held = db->customer(c.custno))
                c.takeLaterFields(*held);
    fields.custno = c.custno;
    fields.title = c.title.toQString();
    fields.name = c.name.toQString();
    fields.initial = c.initial.toQString();
    fields.surname = c.surname.toQString();
    fields.company = c.company.toQString();
    fields.address = c.address.first.toQString();
    fields.town = c.address.town.toQString();
    fields.county = c.address.county.toQString();
    fields.postcode = c.address.postcode.toQString();
    fields.phone = c.phone.toQString();
    fields.fax = c.fax.toQString();
    fields.mobile = c.mobile.toQString();
    fields.email = c.email.toQString();
    fields.vatNumber = c.vatNumber.toQString();
    fields.country = c.country.toQString();
    fields.business = c.business;
    fields.cisContractor = c.cisContractor;
    fields.endUserNotice = c.endUserNotice;
    fields.cisRate = c.cisRate == 30 ? 1 : c.cisRate == 0 ? 2 : 0;
    fields.labelText = CustomerSearch::numberText(c.custno).toQString();
    if (m_customerSearch)
        m_customerSearch->show(c);
}

void CustomerTab::saveCustomer(Customer& c) const
{
    c.custno = fields.custno;
    c.title = OMString::fromQString(fields.title);
    c.name = OMString::fromQString(fields.name);
    c.initial = OMString::fromQString(fields.initial);
    c.surname = OMString::fromQString(fields.surname);
    c.company = OMString::fromQString(fields.company);
    c.address.first = OMString::fromQString(fields.address);
    c.address.town = OMString::fromQString(fields.town);
    c.address.county = OMString::fromQString(fields.county);
    c.address.postcode = OMString::fromQString(fields.postcode);
    c.phone = OMString::fromQString(fields.phone);
    c.fax = OMString::fromQString(fields.fax);
    c.mobile = OMString::fromQString(fields.mobile);
    c.email = OMString::fromQString(fields.email.trimmed());
    c.vatNumber = OMString::fromQString(fields.vatNumber.trimmed());
    c.country = OMString::fromQString(fields.country.trimmed());
    c.business = fields.business;
    // The scheme is a business's: a consumer's settings are not kept.
    c.cisContractor = fields.business && fields.cisContractor;
    c.endUserNotice = fields.business && fields.endUserNotice;
    c.cisRate = !fields.business      ? Customer::DefaultCisRate
                : fields.cisRate == 1 ? 30
                : fields.cisRate == 2 ? 0
                                      : Customer::DefaultCisRate;
}

Customer CustomerTab::fieldsAsCustomer() const
{
    Customer c;
    saveCustomer(c);
    return c;
}

void CustomerTab::exchangeData(DataExchange& dx)
{
    if (dx.isSaving())
        fields.title = m_title->currentText();
    else
        m_title->setEditText(fields.title);
    dx.text(m_name, fields.name);
    dx.text(m_initial, fields.initial);
    dx.text(m_surname, fields.surname);
    dx.text(m_company, fields.company);
    dx.multiLineText(m_address, fields.address);
    dx.text(m_town, fields.town);
    dx.text(m_county, fields.county);
    dx.text(m_postcode, fields.postcode);
    dx.text(m_phone, fields.phone);
    dx.text(m_fax, fields.fax);
    dx.text(m_mobile, fields.mobile);
    dx.text(m_email, fields.email);
    dx.text(m_vatNumber, fields.vatNumber);
    dx.text(m_country, fields.country);
    dx.check(m_business, fields.business);
    dx.check(m_cisContractor, fields.cisContractor);
    dx.check(m_endUserNotice, fields.endUserNotice);
    if (dx.isSaving())
        fields.cisRate = std::max(0, m_cisRate->currentIndex());
    else
        m_cisRate->setCurrentIndex(fields.cisRate);
    if (!dx.isSaving()) {
        m_cis->setVisible(fields.business);
        m_label->setText(fields.labelText);
        updateButtons();
    }
}

void CustomerTab::fieldEdited()
{
    if (isExchanging() || (ownerView() && ownerView()->isExchanging()))
        return;
    updateData(DataExchange::Save);
    if (m_customerSearch)
        m_customerSearch->fieldsEdited();
    updateButtons();
    markModified();
}

const CustomerDatabase* CustomerTab::database() const
{
    if (ownerView())
        if (const auto* doc = dynamic_cast<const JobBaseDoc*>(ownerView()->document()))
            return dynamic_cast<const CustomerDatabase*>(doc->customerStore());
    return nullptr;
}

CustomerSearch* CustomerTab::search()
{
    const CustomerDatabase* database = this->database();
    if (!database) {
        m_customerSearch.reset();
    } else if (!m_customerSearch || database != m_searchDatabase) {
        m_customerSearch = std::make_unique<CustomerSearch>(*database);
        m_customerSearch->show(fieldsAsCustomer());
    }
    m_searchDatabase = database;
    return m_customerSearch.get();
}

void CustomerTab::searchCustomers()
{
    updateData(DataExchange::Save);
    Customer c = fieldsAsCustomer();
    if (CustomerSearch* s = search()) {
        if (s->search(c))
            showMatch(c);
        else
            MessageHook::show(s->noticeText().toQString(), MessageHook::Information,
                              MessageHook::Ok);
    } else {
        // Without a database nothing can match.
        MessageHook::show(StringTable::text(IDS_NO_MATCHING_CUSTOMERS).toQString(),
                          MessageHook::Information, MessageHook::Ok);
    }
    updateButtons();
}

void CustomerTab::showNextMatch()
{
    if (m_customerSearch && m_customerSearch->canGoNext()) {
        Customer c = fieldsAsCustomer();
        m_customerSearch->next(c);
        showMatch(c);
    }
    updateButtons();
}

void CustomerTab::showPreviousMatch()
{
    if (m_customerSearch && m_customerSearch->canGoPrevious()) {
        Customer c = fieldsAsCustomer();
        m_customerSearch->previous(c);
        showMatch(c);
    }
    updateButtons();
}

void CustomerTab::clearCustomer()
{
    Customer empty;
    if (m_customerSearch)
        m_customerSearch->clear(empty);
    // Clearing only shows an empty form: the document changes once something
    // is typed into it.
    loadCustomer(empty);
    updateData(DataExchange::Load);
}

void CustomerTab::showMatch(const Customer& customer)
{
    loadCustomer(customer);
    fields.labelText = m_customerSearch->labelText().toQString();
    updateData(DataExchange::Load);
    markModified();
}

void CustomerTab::updateButtons()
{
    m_next->setEnabled(m_customerSearch && m_customerSearch->canGoNext());
    m_previous->setEnabled(m_customerSearch && m_customerSearch->canGoPrevious());
}
