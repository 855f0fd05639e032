#pragma once

#include "PricedItemsTab.h"

/**
 * The tool and plant hire of an estimate or quote.
 *
 * The view binds the list before every load pass:
 *
 *     m_hire.bindItems(&job().hire);
 */
class HireTab : public PricedItemsTab
{
    Q_OBJECT

public:
    explicit HireTab(QWidget* parent = nullptr);
};
