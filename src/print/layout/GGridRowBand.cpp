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
    std::vector<Fill> fills;
    addFills(fills, topLeft);
    drawFills(painter, fills);
    drawPart(painter, topLeft, 0, height);
}

void GGridRowBand::addFills(std::vector<Fill>& fills, QPointF topLeft) const
{
    // Neighbouring cells of one background are filled as one rectangle: a
    // row's background is one fill, not one per cell.
    for (size_t i = 0; i < m_cells.size();) {
        const uint32_t background = m_cells[i].background;
        size_t end = i + 1;
        while (end < m_cells.size() && m_cells[end].background == background &&
               m_cells[end].x == m_cells[end - 1].x + m_cells[end - 1].width)
            ++end;
        if (background != GUnits::NoColour) {
            const double right = m_cells[end - 1].x + m_cells[end - 1].width;
            fills.push_back(
                {QRectF(topLeft.x() + m_cells[i].x, topLeft.y(), right - m_cells[i].x, height),
                 background});
        }
        i = end;
    }
}

void GGridRowBand::drawPart(QPainter& painter, QPointF topLeft, double from, double to) const
{
    for (const Cell& cell : m_cells) {
        const QRectF box(topLeft.x() + cell.x, topLeft.y(), cell.width, height);
        const double offset = cell.contentTop(height);
        const double top = box.top() + offset;
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
            // A row over many pages draws on each only the lines it shows.
            cell.flow->drawBetween(painter, QPointF(left, top), from - offset, to - offset);
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
            const double top = cell.contentTop(height);
            if (cell.contents) {
                if (cut > top && cut < top + cell.contentsSize.height()) {
                    cut = top;
                    moved = true;
                }
                continue;
            }
            if (!cell.flow)
                continue;
            const int line = cell.flow->lineAt(cut - top);
            if (line < 0 || line >= cell.flow->lineCount())
                continue;
            const double lineTop = top + cell.flow->lineTop(line);
            if (cut > lineTop && cut < lineTop + cell.flow->lineHeight(line)) {
                cut = lineTop;
                moved = true;
            }
        }
    }
    return cut;
}

QString GGridRowBand::textBetween(double from, double to) const
{
    QStringList texts;
    for (const Cell& cell : m_cells) {
        const double top = cell.contentTop(height);
        if (cell.contents) {
            texts.append(top >= from && top < to ? cell.contents->displayText() : QString());
            continue;
        }
        QStringList lines;
        if (cell.flow)
            for (int i = cell.flow->firstLineFrom(from - top);
                 i < cell.flow->lineCount() && top + cell.flow->lineTop(i) < to; ++i)
                lines.append(cell.flow->lineText(i));
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
