#include "MaterialsTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

MaterialsTab::MaterialsTab(QWidget* parent) : PricedItemsTab(parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_MATERIALS).toQString());
}
