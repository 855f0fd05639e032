#include "InvoiceItemsTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

InvoiceItemsTab::InvoiceItemsTab(QWidget* parent) : PricedItemsTab(parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_TAB_ITEMS).toQString());
}
