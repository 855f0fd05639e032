#pragma once

#include "GFont.h"
#include "GGridColumn.h"
#include "GGridRow.h"
#include "GObject.h"
#include "GPadding.h"
#include "GUnits.h"

#include <memory>

#include <QFont>
#include <utility>
#include <vector>

class TextFlow;

/**
 * A table. Column widths: a column with a sample text is as wide as the
 * sample in the grid's font, or its widest cell up to 40 % of the table; one
 * flagged FlagTakeRest alone starts at no width; any other column is as wide
 * as its widest cell, and a cell over several columns widens the last of them.
 * The width left over goes in equal shares to the FlagTakeRest columns (to
 * every column when there are none). When the columns are too wide, those
 * without a sample give way, down to their longest unbreakable word and then
 * further, breaking words, so that figures stay whole. A table that runs over
 * a page repeats its header rows on every page, and its last row never stands
 * alone there.
 */
class GGrid : public GObject
{
public:
    /// Padding of cells that set none, in points.
    static constexpr GPadding DefaultCellPadding{4, 4, 2, 2};

    void setColumnCount(int count);
    int columnCount() const { return int(m_columns.size()); }
    GGridColumn& column(int index);
    const GGridColumn& column(int index) const;

    GGridRow& addRow();
    int rowCount() const { return int(m_rows.size()); }
    GGridRow& row(int index);
    const GGridRow& row(int index) const;

    void setFont(const GFont& font) { m_font = font; }
    const GFont& font() const { return m_font; }

    /// The first `count` rows are the table's header, repeated on each page.
    void setHeaderRowCount(int count) { m_headerRows = count; }
    int headerRowCount() const { return m_headerRows; }

    /// Percentage of the available width the table takes.
    int relativeWidth = 100;
    uint32_t textColour = GUnits::NoColour;
    uint32_t evenRowBackground = GUnits::NoColour;
    uint32_t oddRowBackground = GUnits::NoColour;

    /// The font, text colour and background a cell is drawn with.
    const GFont& cellFont(const GLayoutContext& context, int row, int column) const;
    uint32_t cellTextColour(const GLayoutContext& context, int row, int column) const;
    uint32_t cellBackground(int row, int column) const;

    /// Column widths in layout units for a table `width` units wide.
    std::vector<double> columnWidths(const GLayoutContext& context, double width) const;

    void layOut(const GLayoutContext& context, double width, int inheritedAlign,
                GBandList& out) const override;
    double naturalWidth(const GLayoutContext& context) const override;
    QString displayText() const override;
    bool isInline() const override { return false; }

private:
    /// The widths of a cell: unbroken, the narrowest it can be without
    /// breaking inside a word, and bounds of the two (TextFlow::naturalWidthBound).
    enum class Width { Natural, Minimum, NaturalBound, MinimumBound };
    double cellWidth(const GLayoutContext& context, int row, int column, Width which) const;
    double cellNaturalWidth(const GLayoutContext& context, int row, int column) const
    {
        return cellWidth(context, row, column, Width::Natural);
    }
    double cellMinimumWidth(const GLayoutContext& context, int row, int column) const
    {
        return cellWidth(context, row, column, Width::Minimum);
    }
    /// The cell's text shaped in its font and colour, kept with the cell.
    std::shared_ptr<TextFlow> cellFlow(const GLayoutContext& context, int row, int column) const;
    /// `font` as a Qt font in layout units; the grid's few fonts are made once.
    QFont layoutFont(const GFont& font) const;
    /// The natural width of each column's widest cell that spans no others,
    /// in one pass over the rows.
    std::vector<double> widestCells(const GLayoutContext& context) const;

    // The steps of columnWidths().
    std::vector<double> preferredWidths(const GLayoutContext& context, double width,
                                        std::vector<bool>& sampled) const;
    void widenForSpans(const GLayoutContext& context, double width,
                       std::vector<double>& widths) const;
    void shareSpare(double spare, std::vector<double>& widths) const;
    void shrinkToFit(const GLayoutContext& context, double width, const std::vector<bool>& sampled,
                     std::vector<double>& widths) const;

    std::vector<std::unique_ptr<GGridColumn>> m_columns;
    std::vector<std::unique_ptr<GGridRow>> m_rows;
    GFont m_font;
    int m_headerRows = 0;
    mutable std::vector<std::pair<GFont, QFont>> m_layoutFonts;
};
