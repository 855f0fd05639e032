#include "GTextBox.h"

#include "GLayoutContext.h"
#include "TextFlow.h"

#include <QPainter>
#include <algorithm>

GTextBox::GTextBox(const ombrel::OMString& text, const GFont& font, const GPadding& padding)
    : m_text(text), m_font(font), m_padding(padding)
{
}

TextFlow GTextBox::flow(const GLayoutContext& context) const
{
    const GFont& font = context.resolve(m_font);
    return TextFlow({{m_text.toQString(), font.layoutFont(), font.textColour()}}, true);
}

QSizeF GTextBox::boxSize(const GLayoutContext& context, double maxWidth) const
{
    const double padX = GUnits::fromPoints(m_padding.left + m_padding.right);
    const double padY = GUnits::fromPoints(m_padding.top + m_padding.bottom);
    TextFlow text = flow(context);
    const double width = std::min(text.naturalWidth() + padX, maxWidth);
    text.layOut(std::max(1.0, width - padX), hAlign() == AlignNone ? AlignCentre : hAlign());
    return {width, text.height() + padY};
}

void GTextBox::drawBox(const GLayoutContext& context, QPainter& painter, const QRectF& box) const
{
    if (m_background != GUnits::NoColour)
        painter.fillRect(box, GUnits::colour(m_background));
    const double padX = GUnits::fromPoints(m_padding.left + m_padding.right);
    TextFlow text = flow(context);
    text.layOut(std::max(1.0, box.width() - padX), hAlign() == AlignNone ? AlignCentre : hAlign());
    text.draw(painter, box.topLeft() + QPointF(GUnits::fromPoints(m_padding.left),
                                               GUnits::fromPoints(m_padding.top)));
}
