#pragma once

#include "GBand.h"
#include "GLayoutContext.h"
#include "GObject.h"
#include "GPadding.h"
#include "GUnits.h"
#include "TextFlow.h"

#include <QSizeF>
#include <memory>
#include <vector>

/// One laid-out table row: its cells side by side, each with its text broken
/// into lines (or an object drawn as a box), padding, alignment and background.
class GGridRowBand : public GBand
{
public:
    struct Cell
    {
        double x = 0;
        double width = 0;
        double contentHeight = 0;
        GPadding padding;
        int vAlign = 0;
        int hAlign = GObject::AlignLeft;
        uint32_t background = GUnits::NoColour;
        /// Shared with the grid cell, which keeps it shaped between layouts.
        std::shared_ptr<TextFlow> flow;
        const GObject* contents = nullptr;
        QSizeF contentsSize;

        /// Where the contents start below the top of a row `rowHeight` high.
        double contentTop(double rowHeight) const;
    };

    GGridRowBand(const GLayoutContext& context, std::vector<Cell> cells);

    /// The backgrounds, then the text.
    void draw(QPainter& painter, QPointF topLeft) const override;
    /// The cells' backgrounds: neighbouring cells of one colour as one fill.
    void addFills(std::vector<Fill>& fills, QPointF topLeft) const override;
    /// Draws only the lines of each cell that reach into the part, without
    /// the backgrounds.
    void drawPart(QPainter& painter, QPointF topLeft, double from, double to) const override;
    /// The lowest point at or above `limit` that cuts through no cell's line.
    double breakBefore(double limit) const override;
    QString text() const override;
    /// The lines of each cell that start within the part.
    QString textBetween(double from, double to) const override;

private:
    const GLayoutContext m_context;
    std::vector<Cell> m_cells;
};
