#include "InvoiceItemsTab.h"

#include "DataExchange.h"
#include "ItemGrid.h"
#include "TabbedEditView.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QLayout>
#include <QSignalBlocker>

InvoiceItemsTab::InvoiceItemsTab(QWidget* parent)
    : PricedItemsTab(parent),
      m_reverseCharge(new QCheckBox(StringTable::text(IDS_REVERSE_CHARGE_BOX).toQString(), this))
{
    grid()->setAccessibleName(StringTable::text(IDS_TAB_ITEMS).toQString());
    setCisColumn(true);
    layout()->addWidget(m_reverseCharge);
    watchBox(m_reverseCharge, [this] {
        fields.reverseCharge = m_reverseCharge->isChecked();
        enableBox();
        markModified();
        emit committed();
    });
}

void InvoiceItemsTab::exchangeData(DataExchange& dx)
{
    PricedItemsTab::exchangeData(dx);
    dx.check(m_reverseCharge, fields.reverseCharge);
    if (!dx.isSaving())
        enableBox();
}

void InvoiceItemsTab::setReverseCharge(bool set, bool offered)
{
    fields.reverseCharge = set;
    fields.offered = offered;
    const QSignalBlocker quiet(m_reverseCharge);
    m_reverseCharge->setChecked(set);
    enableBox();
}

void InvoiceItemsTab::enableBox()
{
    // Only a VAT-registered business charges VAT to reverse.
    const bool vat = ownerView() && ownerView()->vatFlag();
    m_reverseCharge->setVisible(vat || fields.reverseCharge);
    m_reverseCharge->setEnabled(fields.offered || fields.reverseCharge);
}
