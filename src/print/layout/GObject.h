#pragma once

#include "GBand.h"

#include <QRectF>
#include <QSizeF>
#include <cstdint>

struct GLayoutContext;

/**
 * Base of every layout object: alignment and flag bits, and the two ways an
 * object takes part in a layout: as a stack of bands in a flow (paragraphs,
 * grids) or as a single box (text boxes, pictures), which can also fill a cell.
 */
class GObject
{
public:
    enum HAlign : int { AlignNone = 0, AlignLeft = 1, AlignCentre = 2, AlignRight = 3 };
    /// Vertical alignment: centred in the row or line it stands in.
    static constexpr int VAlignCentre = 8;

    /// A picture given a width is scaled to it, keeping its proportions.
    static constexpr uint32_t FlagScaledPicture = 0xd00000;
    /// A column as wide as its widest cell.
    static constexpr uint32_t FlagFitContent = 0x2000000;
    /// A column that takes a share of the width the others leave.
    static constexpr uint32_t FlagTakeRest = 0x4000000;

    GObject() = default;
    virtual ~GObject();
    GObject(const GObject&) = delete;
    GObject& operator=(const GObject&) = delete;

    void setHAlign(int align) { m_hAlign = align; }
    int hAlign() const { return m_hAlign; }
    void setVAlign(int align) { m_vAlign = align; }
    int vAlign() const { return m_vAlign; }
    /// Sets `bits`, keeping the flags set before.
    void setFlags(uint32_t bits) { m_flags |= bits; }
    uint32_t flags() const { return m_flags; }
    bool hasFlags(uint32_t bits) const { return (m_flags & bits) == bits; }

    /// Appends the bands of this object laid out `width` units wide; band x
    /// offsets are from the object's left edge. `inheritedAlign` is the
    /// container's alignment, used when the object has none of its own.
    /// The default lays a box out as one band.
    virtual void layOut(const GLayoutContext& context, double width, int inheritedAlign,
                        GBandList& out) const;
    /// The size of the object drawn as a box at most `maxWidth` wide; empty when
    /// it has nothing to draw.
    virtual QSizeF boxSize(const GLayoutContext& context, double maxWidth) const;
    virtual void drawBox(const GLayoutContext& context, QPainter& painter, const QRectF& box) const;
    /// The widest the object is without breaking its lines.
    virtual double naturalWidth(const GLayoutContext& context) const;
    /// The narrowest the object can be without breaking inside a word or
    /// spilling over; by default its natural width.
    virtual double minimumWidth(const GLayoutContext& context) const;
    /// Whether the object sits in a line of text (a box, a picture), so that a
    /// "\n" after it only ends that line; a table stands as a block of its own.
    virtual bool isInline() const { return true; }
    /// The text the object shows, lines separated by "\n"; for searching and tests.
    virtual QString displayText() const { return {}; }

private:
    int m_hAlign = AlignNone;
    int m_vAlign = 0;
    uint32_t m_flags = 0;
};
