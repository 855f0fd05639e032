#pragma once

#include "PricedItemsTab.h"

class QCheckBox;

/**
 * The lines of an invoice, each marked labour or materials for CIS, and
 * under them the domestic reverse charge box.
 *
 * The view binds the list and fills the fields before every load pass:
 *
 *     m_items.bindItems(&invoice().items);
 *     m_items.fields.reverseCharge = invoice().reverseCharge;
 *
 * The box is offered (enabled) while the customer qualifies or it is set.
 */
class InvoiceItemsTab : public PricedItemsTab
{
    Q_OBJECT

public:
    explicit InvoiceItemsTab(QWidget* parent = nullptr);

    struct Fields
    {
        bool reverseCharge = false;
        /// The customer qualifies for the reverse charge.
        bool offered = false;
    } fields;

    QCheckBox* reverseChargeBox() const { return m_reverseCharge; }
    /// Sets the box and its field without counting as the user's change.
    void setReverseCharge(bool set, bool offered);

protected:
    void exchangeData(DataExchange& dx) override;

private:
    void enableBox();

    QCheckBox* m_reverseCharge;
};
