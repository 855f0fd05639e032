#pragma once

#include "EditTab.h"
#include "foundation/OMArray.h"
#include "foundation/OMString.h"

class ItemGrid;

/**
 * A tab that is one editable grid filling the page. The grid is rebuilt from
 * the bound list on every load pass (LoadRows, then FitColumns) and the list
 * from the grid on every save pass (SaveRows). Each cell the user changes goes
 * through CellEdited; when that reports a change the document is marked
 * modified and the columns are fitted again. Row commands mark it modified.
 */
class GridTab : public EditTab
{
    Q_OBJECT

public:
    explicit GridTab(unsigned templateId, QWidget* parent = nullptr);

    ItemGrid* grid() const { return m_grid; }

    /// Fits the columns to ColumnSamples and the texts, StretchColumn taking the rest.
    virtual void FitColumns();
    /// Gives a newly added row its default texts, alignments and read-only cells.
    virtual void InitRow(int row);
    /// Rebuilds the whole grid from the bound list.
    virtual void LoadRows();
    /// Rebuilds the bound list from the grid.
    virtual void SaveRows();
    /// Normalises the edited row and recomputes it; true when the document changed.
    virtual bool CellEdited(ItemGrid& grid, int row, int column);

protected:
    void DoDataExchange(DataExchange& dx) override;

    /// One sample text per column, giving its least width.
    ombrel::OMArray<ombrel::OMString> ColumnSamples;
    /// The column that takes the width left over; -1 for none.
    int StretchColumn = -1;

private:
    ItemGrid* m_grid;
    bool m_editChanged = true;
};
