#include "MaterialsTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

EditTabMaterials::EditTabMaterials(QWidget* parent) : EditTabJobItems(3303, true, parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_MATERIALS).toQString());
}
