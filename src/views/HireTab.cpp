#include "HireTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"

EditTabHire::EditTabHire(QWidget* parent) : EditTabJobItems(3303, true, parent)
{
    grid()->setAccessibleName(StringTable::text(IDS_HIRE).toQString());
}
