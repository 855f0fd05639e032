#pragma once

#include "EditTab.h"
#include "records/JobItem.h"
#include "settings/NumberEntry.h"

#include <QStringList>

class ItemGrid;

/**
 * A tab that is one editable grid filling the page. The grid is rebuilt from
 * the bound list on every load pass (loadRows, then fitColumns), each row
 * keeping its item. Each cell the user changes goes through cellEdited, which
 * parses the text into the row's item; when that reports a change the
 * document is marked modified and the columns are fitted again. Row commands
 * mark it modified. A cell whose text cellRefusal refuses is never committed
 * and stops a save pass, its editor keeping the focus. The save pass
 * (saveRows) copies the rows' items into the list, parsing nothing.
 */
class GridTab : public EditTab
{
    Q_OBJECT

public:
    explicit GridTab(QWidget* parent = nullptr);

    ItemGrid* grid() const { return m_grid; }

    /// Gives a newly added row its default texts, alignments and read-only cells.
    virtual void initRow(int row);
    /// Rebuilds the whole grid from the bound list.
    virtual void loadRows();
    /// Rebuilds the bound list from the rows' items.
    virtual void saveRows();
    /// Parses the edited cell into its row's item, normalises the row and
    /// recomputes it; true when the document changed.
    virtual bool cellEdited(ItemGrid& grid, int row, int column);
    /// Why `text` may not go into (row, column), checked before the cell
    /// takes it; empty when it may (a number read exactly, within bounds).
    virtual QString cellRefusal(const ItemGrid& grid, int row, int column,
                                const QString& text) const;

    /// Whether the sum of the rows' amounts (`amount` of each row's item,
    /// `candidate` standing for row `row`) stays within NumberEntry's bound,
    /// each amount too. Used by every grid before it takes a figure.
    /// `text` read as a figure of `decimals` decimals (a count, hours: six;
    /// an amount, a rate: two) by `locale`; a count beyond what one holds is
    /// refused too.
    static NumberEntry readFigure(const QString& text, int decimals,
                                  const QLocale& locale = QLocale());
    static bool withinBound(const ItemGrid& grid, int row, const JobItem& candidate,
                            ombrel::OMMoney (*amount)(const JobItem&));

protected:
    void exchangeData(DataExchange& dx) override;

    /// One sample text per column, giving its least width.
    QStringList m_columnSamples;
    /// The column that takes the width left over; -1 for none.
    int m_stretchColumn = -1;

private:
    /// Fits the columns to m_columnSamples and the texts, m_stretchColumn taking the rest.
    void fitColumns();

    ItemGrid* m_grid;
    bool m_editChanged = true;
};
