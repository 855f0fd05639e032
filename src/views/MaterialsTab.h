#pragma once

#include "PricedItemsTab.h"

/**
 * The materials of an estimate or quote.
 *
 * The view binds the list before every load pass:
 *
 *     m_materials.bindItems(&job().materials);
 */
class MaterialsTab : public PricedItemsTab
{
    Q_OBJECT

public:
    explicit MaterialsTab(QWidget* parent = nullptr);
};
