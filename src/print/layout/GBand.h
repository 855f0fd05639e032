#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

/**
 * One laid-out strip of a page: a line of text, a table row, a box or a
 * picture. Pagination splits a band only when it does not fit on a page
 * of its own (below any repeated header rows).
 * Bands are immutable once laid out, so a table's header rows can be drawn
 * again on every page the table runs onto.
 */
class GBand
{
public:
    virtual ~GBand() = default;
    /// Draws the band with its top left corner at `topLeft` (layout units).
    virtual void draw(QPainter& painter, QPointF topLeft) const = 0;
    /// Draws what lies from `from` to `to` below the band's top, at least;
    /// the page clips the rest. By default the whole band.
    virtual void drawPart(QPainter& painter, QPointF topLeft, double from, double to) const
    {
        Q_UNUSED(from);
        Q_UNUSED(to);
        draw(painter, topLeft);
    }
    /// A rectangle filled behind a band's text, in one colour (GUnits::rgb).
    struct Fill
    {
        QRectF rect;
        uint32_t colour = 0;
    };
    /// Adds what the band fills behind its text (a table row's backgrounds),
    /// with its top left corner at `topLeft`; by default nothing. The page
    /// fills every band's rectangles on a page, those of one colour at once,
    /// before drawing any text, and drawPart() draws the text alone, so that a
    /// device that records its state changes (a PDF) changes between filling
    /// and writing once a page, not once a row. draw() does both.
    virtual void addFills(std::vector<Fill>& fills, QPointF topLeft) const
    {
        Q_UNUSED(fills);
        Q_UNUSED(topLeft);
    }
    /// Fills `fills` with no pen, those of one colour as one drawing.
    static void drawFills(QPainter& painter, const std::vector<Fill>& fills);
    /// The band's text, cells separated by tabs; for searching and tests.
    virtual QString text() const { return {}; }
    /// The text of the part from `from` to `to` below the band's top, when
    /// it is cut over pages; by default all of it.
    virtual QString textBetween(double from, double to) const
    {
        Q_UNUSED(from);
        Q_UNUSED(to);
        return text();
    }
    /// Where a band taller than a page may be cut: the lowest point at or
    /// above `limit` (from the band's top) that cuts through no line of text.
    /// 0 or less when there is none; by default anywhere.
    virtual double breakBefore(double limit) const { return limit; }

    double height = 0;
    /// Offset from the left edge of the page.
    double x = 0;
    /// Pagination keeps this band on the same page as the one after it.
    bool keepWithNext = false;
    /// The header rows to repeat above this band when it opens a page.
    std::shared_ptr<const std::vector<const GBand*>> repeatAbove;
};

using GBandList = std::vector<std::unique_ptr<GBand>>;
