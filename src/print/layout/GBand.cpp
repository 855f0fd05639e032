#include "GBand.h"

#include "CDCSave.h"
#include "GUnits.h"

#include <QList>
#include <QPainter>
#include <algorithm>

void GBand::drawFills(QPainter& painter, const std::vector<Fill>& fills)
{
    if (fills.empty())
        return;
    CDCSave saved(painter);
    painter.setPen(Qt::NoPen);
    // The rectangles do not overlap: each colour's go in one drawing, in the
    // order the colours first appear.
    std::vector<uint32_t> colours;
    for (const Fill& fill : fills)
        if (std::find(colours.begin(), colours.end(), fill.colour) == colours.end())
            colours.push_back(fill.colour);
    QList<QRectF> rects;
    for (const uint32_t colour : colours) {
        rects.clear();
        for (const Fill& fill : fills)
            if (fill.colour == colour && !fill.rect.isEmpty())
                rects.append(fill.rect);
        if (rects.isEmpty())
            continue;
        painter.setBrush(GUnits::colour(colour));
        painter.drawRects(rects.constData(), int(rects.size()));
    }
}
