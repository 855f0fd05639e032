#pragma once

#include "GridTab.h"
#include "foundation/OMList.h"
#include "records/JobItem.h"

/**
 * A grid of priced items: quantity, description, unit price, the VAT rate
 * when the business is VAT registered, and each row's total.
 *
 * The owning view binds the record's list before every load pass:
 *
 *     m_materials.bindItems(&job().materials);   // then the whole-view pass
 *
 * Until a list is bound the passes leave grid and list alone. Each row holds
 * its item: the one it was loaded from (a new row: an empty one), into which
 * a cell's text is parsed once, when its editor commits. The save pass copies
 * the items of the rows with a description into the list, so what the grid
 * does not show (the VAT rate when there is no VAT column, the second amount,
 * the date) is saved back as it was.
 */
class PricedItemsTab : public GridTab
{
    Q_OBJECT

public:
    enum Column { QtyColumn = 0, DescColumn = 1, PriceColumn = 2, VatColumn = 3 };

    explicit PricedItemsTab(QWidget* parent = nullptr);

    void bindItems(ombrel::OMList<JobItem>* items) { m_items = items; }
    /// Whether the grid has the VAT column: the owner view's VAT flag is set.
    bool hasVatColumn() const;
    int totalColumn() const { return m_vatShown ? 4 : 3; }
    /// The column of labour or materials (after the total), when shown; -1 when not.
    int cisColumn() const { return m_cisShown ? totalColumn() + 1 : -1; }

    void initRow(int row) override;
    void loadRows() override;
    void saveRows() override;
    bool cellEdited(ItemGrid& grid, int row, int column) override;
    QString cellRefusal(const ItemGrid& grid, int row, int column,
                        const QString& text) const override;

protected:
    /// Shows the column of labour or materials from the next load pass on.
    void setCisColumn(bool shown) { m_cisShown = shown; }

private:
    /// The decimals a figure of `column` keeps; -1 for a column of text.
    int decimalsOf(int column) const;
    /// `item` with the figure of `column` read from `number` (the files' form).
    void setFigure(JobItem& item, int column, const QString& number) const;
    void setRowTexts(int row, const JobItem& item);
    void formatRow(int row);

    ombrel::OMList<JobItem>* m_items = nullptr;
    bool m_vatShown = false; // laid out by the last load pass
    bool m_cisShown = false;
};
