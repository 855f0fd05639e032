#pragma once

#include "PricedItemsTab.h"

/**
 * The lines of an invoice.
 *
 * The view binds the list before every load pass:
 *
 *     m_items.bindItems(&invoice().items);
 */
class EditTabItems : public EditTabJobItems
{
    Q_OBJECT

public:
    explicit EditTabItems(QWidget* parent = nullptr);
};
