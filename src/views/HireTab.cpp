#include "HireTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

HireTab::HireTab(QWidget* parent) : PricedItemsTab(parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_HIRE).toQString());
}
