#pragma once

#include <QPointF>
#include <QString>
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
