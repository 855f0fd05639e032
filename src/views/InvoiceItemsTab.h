#pragma once

#include "PricedItemsTab.h"

/**
 * The lines of an invoice.
 *
 * The view binds the list before every load pass:
 *
 *     m_items.bindItems(&invoice().items);
 */
class InvoiceItemsTab : public PricedItemsTab
{
    Q_OBJECT

public:
    explicit InvoiceItemsTab(QWidget* parent = nullptr);
};
