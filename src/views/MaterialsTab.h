#pragma once

#include "PricedItemsTab.h"

/**
 * The materials of an estimate or quote.
 *
 * The view binds the list before every load pass:
 *
 *     m_materials.bindItems(&job().materials);
 */
class EditTabMaterials : public EditTabJobItems
{
    Q_OBJECT

public:
    explicit EditTabMaterials(QWidget* parent = nullptr);
};
