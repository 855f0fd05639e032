#include "InvoiceItemsTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

InvoiceItemsTab::InvoiceItemsTab(QWidget* parent) : PricedItemsTab(3303, true, parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_TAB_ITEMS).toQString());
}
