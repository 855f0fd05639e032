#include "InvoiceTab.h"

#include "FieldLabel.h"
#include "FilteredLineEdit.h"
#include "MessageHook.h"
#include "records/DocumentKind.h"
#include "records/JobCreditNote.h"
#include "records/JobInvoice.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

using ombrel::OMDate;
using ombrel::OMString;

InvoiceTab::InvoiceTab(QWidget* parent)
    : EditTab(parent), m_number(new QLineEdit(this)),
      m_specifyNumber(new QCheckBox(tr("&Specify invoice number"), this)),
      m_date(new QLineEdit(this)), m_specifyDate(new QCheckBox(tr("Specify invoice da&te"), this)),
      m_daysToPay(
          new FilteredLineEdit(QStringLiteral("0123456789"), FilteredLineEdit::Include, this)),
      m_addOverdue(new QCheckBox(tr("&Add"), this)), m_percent(new QLineEdit(this)),
      m_eaoe(new QCheckBox(tr("Disp&lay E&&OE (Errors and Omissions Excepted) on printed document"),
                           this)),
      m_terms(new QPlainTextEdit(this)), m_reference(new QLineEdit(this)),
      m_description(new QPlainTextEdit(this)),
      m_numberLabel(new FieldLabel(tr("Invoice &number"), m_number, this)),
      m_dateLabel(new FieldLabel(tr("Invoice &date"), m_date, this)),
      m_percentLabel(new FieldLabel(tr("% if &overdue"), m_percent, this)),
      m_corrects(new QLineEdit(this)), m_correctsDate(new QLineEdit(this)),
      m_paymentTerms(new QWidget(this)),
      m_paymentLabel(new FieldLabel(tr("Pa&yment due in"), m_daysToPay, this)),
      m_correctsRow(new QWidget(this)),
      m_correctsLabel(new FieldLabel(tr("For in&voice"), m_corrects, this))
{
    const int digit = m_daysToPay->fontMetrics().horizontalAdvance(QStringLiteral("0"));
    m_number->setMaximumWidth(digit * 24 + 16);
    m_date->setMaximumWidth(digit * 24 + 16);
    m_daysToPay->setAlignment(Qt::AlignRight);
    m_daysToPay->setMaxLength(9);
    m_daysToPay->setMaximumWidth(digit * 8 + 16);
    // Digits and one decimal point; the rate keeps two decimals at most.
    m_percent->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,6}(\\.[0-9]{0,2})?")), m_percent));
    m_percent->setAlignment(Qt::AlignRight);
    m_percent->setMaximumWidth(digit * 8 + 16);
    for (QPlainTextEdit* edit : {m_terms, m_description}) {
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setMinimumSize(100, 60);
    }
    m_terms->setMaximumHeight(m_terms->fontMetrics().lineSpacing() * 4 + 12);
    m_description->setMinimumHeight(100);

    const std::pair<QWidget*, const char*> names[] = {{m_number, "number"},
                                                      {m_specifyNumber, "specifyNumber"},
                                                      {m_date, "date"},
                                                      {m_specifyDate, "specifyDate"},
                                                      {m_daysToPay, "daysToPay"},
                                                      {m_addOverdue, "addOverdue"},
                                                      {m_percent, "overduePercentage"},
                                                      {m_eaoe, "displayEAOE"},
                                                      {m_terms, "extraTerms"},
                                                      {m_reference, "reference"},
                                                      {m_description, "description"},
                                                      {m_corrects, "correctsReference"},
                                                      {m_correctsDate, "correctsDate"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    // The payment terms read as one sentence: "Payment due in 30 days,
    // Add 2 % if overdue".
    auto* payment = new QHBoxLayout(m_paymentTerms);
    payment->setContentsMargins(0, 0, 0, 0);
    payment->addWidget(m_daysToPay);
    payment->addWidget(new QLabel(tr("days"), this));
    payment->addSpacing(digit * 3);
    payment->addWidget(m_addOverdue);
    payment->addWidget(m_percent);
    payment->addWidget(m_percentLabel);
    payment->addStretch(1);

    // A credit note's invoice: "For in&voice [2401] dat&ed [08/10/2026]".
    m_corrects->setMaximumWidth(digit * 24 + 16);
    m_correctsDate->setMaximumWidth(digit * 24 + 16);
    auto* corrects = new QHBoxLayout(m_correctsRow);
    corrects->setContentsMargins(0, 0, 0, 0);
    corrects->addWidget(m_corrects);
    corrects->addWidget(new FieldLabel(tr("dat&ed"), m_correctsDate, this));
    corrects->addWidget(m_correctsDate);
    corrects->addStretch(1);
    m_correctsRow->hide();
    m_correctsLabel->hide();

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    grid->addWidget(m_numberLabel, 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(m_specifyNumber, 0, 2);
    grid->addWidget(m_dateLabel, 1, 0);
    grid->addWidget(m_date, 1, 1);
    grid->addWidget(m_specifyDate, 1, 2);
    grid->addWidget(m_paymentLabel, 2, 0);
    grid->addWidget(m_paymentTerms, 2, 1, 1, 2);
    grid->addWidget(m_correctsLabel, 2, 0);
    grid->addWidget(m_correctsRow, 2, 1, 1, 2);
    grid->addWidget(m_eaoe, 3, 0, 1, 3);
    grid->addWidget(new FieldLabel(tr("Additional ter&ms"), m_terms, this), 4, 0, Qt::AlignTop);
    grid->addWidget(m_terms, 4, 1, 1, 2);
    grid->addWidget(new FieldLabel(tr("Customer's &reference"), m_reference, this), 5, 0);
    grid->addWidget(m_reference, 5, 1, 1, 2);
    grid->addWidget(new FieldLabel(tr("Descri&ption"), m_description, this), 6, 0, Qt::AlignTop);
    grid->addWidget(m_description, 6, 1, 1, 2);
    grid->setRowStretch(6, 1);

    QWidget* order[] = {m_number,       m_specifyNumber, m_date,       m_specifyDate, m_corrects,
                        m_correctsDate, m_daysToPay,     m_addOverdue, m_percent,     m_eaoe,
                        m_terms,        m_reference,     m_description};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* edit :
         {m_number, m_date, m_daysToPay, m_percent, m_reference, m_corrects, m_correctsDate})
        watchEdit(edit);
    watchEdit(m_terms);
    watchEdit(m_description);
    for (QCheckBox* box : {m_specifyNumber, m_specifyDate, m_addOverdue, m_eaoe})
        watchBox(box, [this, box] { boxClicked(box); });
    m_date->installEventFilter(this);
    enableFields();
}

void InvoiceTab::setKind(const DocumentKind& kind)
{
    if (kind.id == DocumentKind::Invoice)
        return;
    m_credit = kind.id == DocumentKind::CreditNote;
    const QString word = QString::fromLatin1(kind.title).toLower();
    QString capital = word;
    capital[0] = capital[0].toUpper();
    m_numberLabel->setText(tr("%1 &number").arg(capital));
    m_dateLabel->setText(tr("%1 &date").arg(capital));
    m_specifyNumber->setText(tr("&Specify %1 number").arg(word));
    m_specifyDate->setText(tr("Specify %1 da&te").arg(word));
    // No terms to pay: the row shows the corrected invoice instead.
    m_paymentTerms->hide();
    m_paymentLabel->hide();
    m_correctsRow->setVisible(m_credit);
    m_correctsLabel->setVisible(m_credit);
}

QList<QWidget*> InvoiceTab::issuedFields() const
{
    return {m_date, m_specifyDate, m_daysToPay, m_corrects, m_correctsDate};
}

QWidget* InvoiceTab::firstField() const
{
    return m_number->isEnabled() ? static_cast<QWidget*>(m_number) : m_specifyNumber;
}

void InvoiceTab::loadInvoice(const JobInvoice& invoice)
{
    fields.reference = invoice.reference.toQString();
    fields.description = invoice.description.toQString();
    fields.displayEAOE = invoice.displayEAOE;
    fields.specifyNumber = invoice.ownDocReference;
    fields.specifyDate = !invoice.date.isEmpty();
    fields.addOverdue = invoice.addOverduePercentage;
    fields.daysToPay = invoice.daysToPay;
    fields.overduePercentage = invoice.overduePercentage;
    fields.number = invoice.docReference.toQString();
    fields.loadedNumber = fields.number;
    fields.extraTerms = invoice.extraTerms.toQString();
    fields.date = invoice.documentDate().toString(SettingsStore::dateFormat()).toQString();
    if (const auto* note = dynamic_cast<const JobCreditNote*>(&invoice)) {
        fields.correctsReference = note->invoiceReference.toQString();
        fields.correctsDate = note->invoiceDate.toString(SettingsStore::dateFormat()).toQString();
    }
}

void InvoiceTab::saveInvoice(JobInvoice& invoice) const
{
    invoice.setDocReference(OMString::fromQString(fields.number), fields.specifyNumber);
    invoice.reference = OMString::fromQString(fields.reference);
    invoice.description = OMString::fromQString(fields.description);
    invoice.extraTerms = OMString::fromQString(fields.extraTerms);
    invoice.displayEAOE = fields.displayEAOE;
    invoice.daysToPay = fields.daysToPay;
    invoice.addOverduePercentage = fields.addOverdue;
    invoice.overduePercentage = fields.overduePercentage;
    if (auto* note = dynamic_cast<JobCreditNote*>(&invoice)) {
        note->invoiceReference = OMString::fromQString(fields.correctsReference.trimmed());
        const SettingsStore::DateEntry entry =
            SettingsStore::parseDateEntry(OMString::fromQString(fields.correctsDate));
        if (fields.correctsDate.trimmed().isEmpty())
            note->invoiceDate = OMDate();
        else if (entry.ok())
            note->invoiceDate = entry.date;
    }
    if (!fields.specifyDate) {
        invoice.date = OMDate();
        return;
    }
    // The pass has read the text already; a date it refused leaves the
    // stored one alone.
    const SettingsStore::DateEntry entry =
        SettingsStore::parseDateEntry(OMString::fromQString(fields.date));
    if (entry.ok())
        invoice.date = entry.date;
}

void InvoiceTab::exchangeData(DataExchange& dx)
{
    dx.text(m_number, fields.number);
    dx.check(m_specifyNumber, fields.specifyNumber);
    dx.check(m_specifyDate, fields.specifyDate);
    // Only a date of the invoice's own is read: the greyed one is shown only.
    if (dx.isSaving() && !fields.specifyDate)
        dx.text(m_date, fields.date);
    else
        dx.date(m_date, fields.date);
    if (m_credit) {
        dx.text(m_corrects, fields.correctsReference);
        // The invoice's date may be left empty; one typed must be a date.
        if (dx.isSaving() && m_correctsDate->text().trimmed().isEmpty())
            dx.text(m_correctsDate, fields.correctsDate);
        else
            dx.date(m_correctsDate, fields.correctsDate);
    }
    dx.number(m_daysToPay, fields.daysToPay);
    dx.check(m_addOverdue, fields.addOverdue);
    if (!dx.failed()) {
        if (dx.isSaving())
            fields.overduePercentage =
                Percentage::parseText(OMString::fromQString(m_percent->text()));
        else
            m_percent->setText(fields.overduePercentage.toText(false).toQString());
    }
    dx.check(m_eaoe, fields.displayEAOE);
    dx.multiLineText(m_terms, fields.extraTerms);
    dx.text(m_reference, fields.reference);
    dx.multiLineText(m_description, fields.description);
    if (!dx.isSaving())
        enableFields();
}

void InvoiceTab::boxClicked(QCheckBox* box)
{
    // Only the boxes are read: the fields are checked by the next pass.
    fields.specifyNumber = m_specifyNumber->isChecked();
    fields.specifyDate = m_specifyDate->isChecked();
    fields.addOverdue = m_addOverdue->isChecked();
    fields.displayEAOE = m_eaoe->isChecked();
    enableFields();
    markModified();
    if (box == m_specifyNumber && !fields.specifyNumber) {
        fields.number = fields.loadedNumber;
        m_number->setText(fields.number);
    } else if (box == m_specifyDate && !fields.specifyDate) {
        fields.date = OMDate::today().toString(SettingsStore::dateFormat()).toQString();
        m_date->setText(fields.date);
    }
}

void InvoiceTab::enableFields()
{
    m_number->setEnabled(m_specifyNumber->isChecked());
    m_numberLabel->setEnabled(m_specifyNumber->isChecked());
    m_date->setEnabled(m_specifyDate->isChecked());
    m_dateLabel->setEnabled(m_specifyDate->isChecked());
    m_percent->setEnabled(m_addOverdue->isChecked());
    m_percentLabel->setEnabled(m_addOverdue->isChecked());
}

bool InvoiceTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_date && event->type() == QEvent::FocusOut) {
        // A message box or a menu taking the focus is not the user leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, &InvoiceTab::checkDate);
    }
    return EditTab::eventFilter(watched, event);
}

void InvoiceTab::checkDate()
{
    // Gone with its tab, or greyed out: nothing to check.
    if (!m_date->isVisible() || !m_date->isEnabled())
        return;
    const SettingsStore::DateEntry entry =
        SettingsStore::parseDateEntry(OMString::fromQString(m_date->text().trimmed()));
    if (!entry.ok()) {
        MessageHook::show(entry.error.toQString(), MessageHook::Warning, MessageHook::Ok);
        m_date->setFocus(Qt::OtherFocusReason);
        m_date->selectAll();
        return;
    }
    fields.date = entry.text.toQString();
    if (fields.date != m_date->text())
        m_date->setText(fields.date);
}
