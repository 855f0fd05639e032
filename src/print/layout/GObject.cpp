#include "GObject.h"

#include "GLayoutContext.h"

#include <QPainter>
#include <memory>

namespace {

// A box object placed in a flow; it draws the object again from its settings.
class BoxBand : public GBand
{
public:
    BoxBand(const GObject& object, const GLayoutContext& context, QSizeF size)
        : m_object(object), m_context(context), m_size(size)
    {
    }
    void draw(QPainter& painter, QPointF topLeft) const override
    {
        m_object.drawBox(m_context, painter, QRectF(topLeft, m_size));
    }
    QString text() const override { return m_object.displayText(); }

private:
    const GObject& m_object;
    const GLayoutContext m_context;
    QSizeF m_size;
};

} // namespace

GObject::~GObject() = default;

void GObject::layOut(const GLayoutContext& context, double width, int inheritedAlign,
                     GBandList& out) const
{
    const QSizeF size = boxSize(context, width);
    if (size.isEmpty())
        return;
    auto band = std::make_unique<BoxBand>(*this, context, size);
    band->height = size.height();
    const int align = m_hAlign != AlignNone ? m_hAlign : inheritedAlign;
    if (align == AlignCentre)
        band->x = (width - size.width()) / 2;
    else if (align == AlignRight)
        band->x = width - size.width();
    out.push_back(std::move(band));
}

QSizeF GObject::boxSize(const GLayoutContext&, double) const
{
    return {};
}

void GObject::drawBox(const GLayoutContext&, QPainter&, const QRectF&) const
{
}

double GObject::naturalWidth(const GLayoutContext& context) const
{
    return boxSize(context, 1e9).width();
}

double GObject::minimumWidth(const GLayoutContext& context) const
{
    return naturalWidth(context);
}
