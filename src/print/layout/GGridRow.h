#pragma once

#include "GFont.h"
#include "GGridCell.h"
#include "GObject.h"
#include "GUnits.h"

#include <algorithm>
#include <memory>
#include <vector>

/// A row of a grid. Its cells are made on first use.
class GGridRow : public GObject
{
public:
    explicit GGridRow(int index) : index(index) {}

    GGridCell& cell(int column);
    /// The cell of `column`, or null when none was made.
    const GGridCell* cellAt(int column) const;
    int cellCount() const { return int(m_cells.size()); }
    /// Room for `count` cells, made as they are first used.
    void reserveCells(int count) { m_cells.reserve(size_t(std::max(0, count))); }

    void setFont(const GFont& font) { m_font = font; }
    const GFont& font() const { return m_font; }

    /// Position in the grid; even and odd rows take the grid's two backgrounds.
    const int index;
    uint32_t textColour = GUnits::NoColour;
    uint32_t background = GUnits::NoColour;
    /// Pagination keeps this row on the page of the row after it, so that
    /// rows that belong together (a table's totals) move to a page together.
    bool keepWithNext = false;

private:
    std::vector<std::unique_ptr<GGridCell>> m_cells;
    GFont m_font;
};
