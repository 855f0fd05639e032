#include "JobTab.h"

#include "FieldLabel.h"
#include "FilteredLineEdit.h"
#include "records/Job.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString tableText(int id)
{
    return StringTable::text(id).toQString();
}

} // namespace

JobTab::JobTab(QWidget* parent)
    : EditTab(parent), m_number(new QLineEdit(this)),
      m_numberLabel(new FieldLabel(FieldLabel::withMnemonic(tableText(IDS_NUMBER_ESTIMATE), u'n'),
                                   m_number, this)),
      m_specify(
          new QCheckBox(FieldLabel::withMnemonic(tableText(IDS_SPECIFY_ESTIMATE), u's'), this)),
      m_validity(
          new FilteredLineEdit(QStringLiteral("0123456789"), FilteredLineEdit::Include, this)),
      m_validityLabel(new FieldLabel(
          FieldLabel::withMnemonic(tableText(IDS_VALIDITY_ESTIMATE), u'l'), m_validity, this)),
      m_eaoe(new QCheckBox(tr("&Display E&&OE (Errors and Omissions Excepted) on printed document"),
                           this)),
      m_reference(new QLineEdit(this)), m_description(new QPlainTextEdit(this))
{
    m_validity->setAlignment(Qt::AlignRight);
    m_validity->setMaxLength(9);
    const int digitWidth = m_validity->fontMetrics().horizontalAdvance(QStringLiteral("0"));
    m_validity->setMaximumWidth(digitWidth * 10 + 16);
    m_number->setMaximumWidth(digitWidth * 24 + 16);
    m_description->setTabChangesFocus(true);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_description->setMinimumSize(100, 100);

    const std::pair<QWidget*, const char*> names[] = {
        {m_number, "number"},           {m_specify, "specifyNumber"},
        {m_validity, "validity"},       {m_eaoe, "displayEAOE"},
        {m_reference, "reference"},     {m_description, "description"},
        {m_numberLabel, "numberLabel"}, {m_validityLabel, "validityLabel"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    grid->addWidget(m_numberLabel, 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(m_specify, 0, 2);
    grid->addWidget(m_validityLabel, 1, 0);
    grid->addWidget(m_validity, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_eaoe, 2, 0, 1, 3);
    grid->addWidget(new FieldLabel(tr("Customer's &reference"), m_reference, this), 3, 0);
    grid->addWidget(m_reference, 3, 1, 1, 2);
    grid->addWidget(new FieldLabel(tr("Descri&ption"), m_description, this), 4, 0, Qt::AlignTop);
    grid->addWidget(m_description, 4, 1, 1, 2);
    grid->setRowStretch(4, 1);

    QWidget* order[] = {m_number, m_specify, m_validity, m_eaoe, m_reference, m_description};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* edit : {m_number, m_validity, m_reference})
        watchEdit(edit);
    watchEdit(m_description);
    for (QCheckBox* box : {m_specify, m_eaoe})
        watchBox(box, [this, box] { boxClicked(box); });
    enableNumber();
}

QWidget* JobTab::firstField() const
{
    return m_number->isEnabled() ? static_cast<QWidget*>(m_number) : m_specify;
}

void JobTab::loadJob(const Job& job)
{
    fields.reference = job.reference.toQString();
    fields.description = job.description.toQString();
    fields.displayEAOE = job.displayEAOE;
    fields.daysValid = job.daysValid;
    fields.number = job.docReference.toQString();
    fields.loadedNumber = fields.number;
    fields.specifyNumber = job.ownDocReference;
}

void JobTab::saveJob(Job& job) const
{
    job.setDocReference(ombrel::OMString::fromQString(fields.number), fields.specifyNumber);
    job.reference = ombrel::OMString::fromQString(fields.reference);
    job.description = ombrel::OMString::fromQString(fields.description);
    job.displayEAOE = fields.displayEAOE;
    job.daysValid = fields.daysValid;
}

void JobTab::exchangeData(DataExchange& dx)
{
    if (!dx.isSaving()) {
        const std::pair<int, QChar> labels[] = {{fields.validityLabelId, u'l'},
                                                {fields.numberLabelId, u'n'},
                                                {fields.specifyLabelId, u's'}};
        if (labels[0].first)
            m_validityLabel->setLabelText(
                FieldLabel::withMnemonic(tableText(labels[0].first), labels[0].second));
        if (labels[1].first)
            m_numberLabel->setLabelText(
                FieldLabel::withMnemonic(tableText(labels[1].first), labels[1].second));
        if (labels[2].first)
            m_specify->setText(
                FieldLabel::withMnemonic(tableText(labels[2].first), labels[2].second));
    }
    dx.check(m_specify, fields.specifyNumber);
    dx.text(m_number, fields.number);
    dx.number(m_validity, fields.daysValid);
    dx.check(m_eaoe, fields.displayEAOE);
    dx.text(m_reference, fields.reference);
    dx.multiLineText(m_description, fields.description);
    if (!dx.isSaving())
        enableNumber();
}

void JobTab::boxClicked(QCheckBox* box)
{
    // Only the boxes are read here: a whole-number field still being typed
    // is checked by the next pass, not by a click elsewhere.
    fields.specifyNumber = m_specify->isChecked();
    fields.displayEAOE = m_eaoe->isChecked();
    enableNumber();
    markModified();
    if (box == m_specify && !fields.specifyNumber) {
        // The automatic number comes back.
        fields.number = fields.loadedNumber;
        m_number->setText(fields.number);
    }
}

void JobTab::enableNumber()
{
    m_number->setEnabled(m_specify->isChecked());
    m_numberLabel->setEnabled(m_specify->isChecked());
}
