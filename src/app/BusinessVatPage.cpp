#include "BusinessVatPage.h"

#include "records/Percentage.h"
#include "settings/SettingsStore.h"
#include "views/FilteredLineEdit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using ombrel::OMString;
using namespace SettingKeys;

BusinessVatPage::BusinessVatPage(QWidget* parent)
    : BusinessWizardPage(tr("VAT"),
                         tr("<b>If the business is VAT registered please tick the box provided "
                            "and fill in the details of VAT registration and the standard VAT "
                            "rate.</b>"),
                         parent),
      m_vat(new QCheckBox(tr("The business is &VAT Registered"), this)),
      m_registration(new QLineEdit(this)),
      m_rate(new FilteredLineEdit(QStringLiteral("0123456789."), FilteredLineEdit::Include, this)),
      m_percent(new QLabel(QStringLiteral("%"), this))
{
    form()->addRow(m_vat);
    addField(tr("VAT Re&gistration No."), m_registration);
    auto* rateRow = new QWidget(this);
    auto* rateLayout = new QHBoxLayout(rateRow);
    rateLayout->setContentsMargins(0, 0, 0, 0);
    m_rate->setParent(rateRow);
    m_percent->setParent(rateRow);
    m_rate->setMaximumWidth(m_rate->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    rateLayout->addWidget(m_rate);
    rateLayout->addWidget(m_percent);
    rateLayout->addStretch(1);
    addField(tr("Standard VAT Ra&te:"), rateRow);
    // The label names the rate field itself, not the row around it.
    m_rate->setAccessibleName(rateRow->accessibleName());
    rateRow->setAccessibleName(QString());
    if (auto* label = qobject_cast<QLabel*>(form()->labelForField(rateRow)))
        label->setBuddy(m_rate);

    connect(m_vat, &QCheckBox::toggled, this, [this] {
        setModified();
        updateControls();
    });
    for (QLineEdit* edit : {m_registration, static_cast<QLineEdit*>(m_rate)})
        connect(edit, &QLineEdit::textEdited, this, [this] { setModified(); });
    updateControls();
}

void BusinessVatPage::updateControls()
{
    const bool vat = m_vat->isChecked();
    m_registration->setEnabled(vat);
    m_rate->setEnabled(vat);
    m_percent->setEnabled(vat);
    for (QWidget* field : {static_cast<QWidget*>(m_registration), m_rate->parentWidget()})
        if (QWidget* label = form()->labelForField(field))
            label->setEnabled(vat);
}

void BusinessVatPage::loadSettings()
{
    m_vat->setChecked(SettingsStore::isSet(IsVATRegistered));
    m_registration->setText(SettingsStore::get(VATRegistrationNo).toQString());
    m_rate->setText(Percentage(SettingsStore::get(VATRate)).toText(false).toQString());
    updateControls();
}

void BusinessVatPage::saveSettings()
{
    store(VATRegistrationNo, OMString::fromQString(m_registration->text()));
    store(IsVATRegistered, m_vat->isChecked() ? 1 : 0);
    store(VATRate, Percentage::parseText(OMString::fromQString(m_rate->text())).value());
}
