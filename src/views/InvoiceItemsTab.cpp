#include "InvoiceItemsTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

EditTabItems::EditTabItems(QWidget* parent) : EditTabJobItems(3303, true, parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_TAB_ITEMS).toQString());
}
