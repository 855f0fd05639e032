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
      m_label(new ColourLabel(this)), m_search(new QPushButton(tr("&Search"), this)),
      m_next(new QPushButton(tr("&Next"), this)),
      m_previous(new QPushButton(tr("&Previous"), this)),
      m_clear(new QPushButton(tr("&Clear Customer Information"), this))
{
    fields.labelText = StringTable::text(IDS_NEW_CUSTOMER).toQString();
    buildForm();

    for (QLineEdit* edit : {m_name, m_initial, m_surname, m_company, m_town, m_county, m_postcode,
                            m_phone, m_fax, m_mobile})
        connect(edit, &QLineEdit::textChanged, this, &CustomerTab::fieldEdited);
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

    const std::pair<QWidget*, const char*> names[] = {
        {m_title, "title"},       {m_name, "name"},       {m_initial, "initial"},
        {m_surname, "surname"},   {m_company, "company"}, {m_address, "address"},
        {m_town, "town"},         {m_county, "county"},   {m_postcode, "postcode"},
        {m_phone, "phone"},       {m_fax, "fax"},         {m_mobile, "mobile"},
        {m_label, "label"},       {m_search, "search"},   {m_next, "next"},
        {m_previous, "previous"}, {m_clear, "clear"}};
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

    // On a large window the form stays a readable size; the room left over
    // stays empty rather than stretching an address over the screen.
    m_address->setMaximumHeight(m_address->fontMetrics().lineSpacing() * 8 + 12);
    auto* formBox = new QWidget(this);
    formBox->setLayout(form);
    form->setContentsMargins(0, 0, 0, 0);
    formBox->setMaximumWidth(fontMetrics().averageCharWidth() * 80);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(formBox, 1);
    layout->addWidget(group, 0, Qt::AlignTop);
    layout->addStretch(0);

    QWidget* order[] = {m_title,  m_name,   m_initial,  m_surname, m_company, m_address,
                        m_town,   m_county, m_postcode, m_phone,   m_fax,     m_mobile,
                        m_search, m_next,   m_previous, m_clear};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget* CustomerTab::firstField() const
{
    return m_title;
}

void CustomerTab::loadCustomer(const Customer& c)
{
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
    if (!dx.isSaving()) {
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

CustomerSearch* CustomerTab::search()
{
    const CustomerDatabase* database = nullptr;
    if (ownerView())
        if (const auto* doc = dynamic_cast<const JobBaseDoc*>(ownerView()->document()))
            database = dynamic_cast<const CustomerDatabase*>(doc->customerStore());
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
