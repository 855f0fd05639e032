#include "GGridRowBand.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

double GGridRowBand::Cell::contentTop(double rowHeight) const
{
    double top = GUnits::fromPoints(padding.top);
    if (vAlign == GObject::VAlignCentre) {
        const double inner = rowHeight - GUnits::fromPoints(padding.top + padding.bottom);
        top += std::max(0.0, (inner - contentHeight) / 2);
    }
    return top;
}

GGridRowBand::GGridRowBand(const GLayoutContext& context, std::vector<Cell> cells)
    : m_context(context), m_cells(std::move(cells))
{
}

void GGridRowBand::draw(QPainter& painter, QPointF topLeft) const
{
    for (const Cell& cell : m_cells) {
        const QRectF box(topLeft.x() + cell.x, topLeft.y(), cell.width, height);
        if (cell.background != GUnits::NoColour)
            painter.fillRect(box, GUnits::colour(cell.background));
        const double top = box.top() + cell.contentTop(height);
        const double left = box.left() + GUnits::fromPoints(cell.padding.left);
        if (cell.contents) {
            const double inner =
                cell.width - GUnits::fromPoints(cell.padding.left + cell.padding.right);
            double x = left;
            if (cell.hAlign == GObject::AlignCentre)
                x += (inner - cell.contentsSize.width()) / 2;
            else if (cell.hAlign == GObject::AlignRight)
                x += inner - cell.contentsSize.width();
            cell.contents->drawBox(m_context, painter, QRectF(QPointF(x, top), cell.contentsSize));
        } else if (cell.flow) {
            cell.flow->draw(painter, QPointF(left, top));
        }
    }
}

double GGridRowBand::breakBefore(double limit) const
{
    // Move the cut up above every line it would go through, until no cell
    // has one there.
    double cut = limit;
    for (bool moved = true; moved && cut > 0;) {
        moved = false;
        for (const Cell& cell : m_cells) {
            double top = cell.contentTop(height);
            if (cell.contents) {
                if (cut > top && cut < top + cell.contentsSize.height()) {
                    cut = top;
                    moved = true;
                }
                continue;
            }
            for (int i = 0; cell.flow && i < cell.flow->lineCount(); ++i) {
                const double bottom = top + cell.flow->lineHeight(i);
                if (cut > top && cut < bottom) {
                    cut = top;
                    moved = true;
                    break;
                }
                top = bottom;
            }
        }
    }
    return cut;
}

QString GGridRowBand::textBetween(double from, double to) const
{
    QStringList texts;
    for (const Cell& cell : m_cells) {
        double top = cell.contentTop(height);
        if (cell.contents) {
            texts.append(top >= from && top < to ? cell.contents->displayText() : QString());
            continue;
        }
        QStringList lines;
        for (int i = 0; cell.flow && i < cell.flow->lineCount(); ++i) {
            if (top >= from && top < to)
                lines.append(cell.flow->lineText(i));
            top += cell.flow->lineHeight(i);
        }
        texts.append(lines.join(QLatin1Char('\n')));
    }
    return texts.join(QLatin1Char('\t'));
}

QString GGridRowBand::text() const
{
    QStringList texts;
    for (const Cell& cell : m_cells)
        texts.append(cell.contents ? cell.contents->displayText()
                                   : (cell.flow ? cell.flow->text() : QString()));
    return texts.join(QLatin1Char('\t'));
}
