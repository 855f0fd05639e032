#pragma once

#include "PricedItemsTab.h"

/**
 * The tool and plant hire of an estimate or quote.
 *
 * The view binds the list before every load pass:
 *
 *     m_hire.bindItems(&job().hire);
 */
class EditTabHire : public EditTabJobItems
{
    Q_OBJECT

public:
    explicit EditTabHire(QWidget* parent = nullptr);
};
