#include "Stamp.h"

#include "layout/CDCSave.h"
#include "layout/GFont.h"
#include "layout/GUnits.h"

#include "resources/StringTable.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Text that measures nothing (only zero-width characters) must not grow forever.
constexpr int MaxPointSize = 2000;

GFont stampFont(int size, uint32_t colour = GUnits::rgb(255, 0, 0))
{
    return GFont("Arial", size, GFont::Bold, colour);
}

} // namespace

uint32_t Stamp::colour(const QString& text)
{
    // A settled invoice is good news: its mark is drawn in a calm green.
    static const QString paid = StringTable::text(IDS_PAID).toQString();
    return text == paid ? GUnits::rgb(30, 130, 90) : GUnits::rgb(255, 0, 0);
}

StampGeometry Stamp::geometry(const QRect& rect, int angle, bool onPaper,
                              const std::function<QSize(int)>& measure)
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    const int limit = onPaper ? rect.width() : rect.width() * 3 / 4;
    const double a = angle * std::numbers::pi / 180.0;
    const double cosA = std::abs(std::cos(a));
    const double sinA = std::abs(std::sin(a));
    // The turned text's bounding box must stay inside the rectangle: on wide
    // paper the height, not the width, limits the size.
    const auto fits = [&](const QSize& size) {
        return size.width() * cosA + size.height() * sinA <= rect.width() &&
               size.width() * sinA + size.height() * cosA <= rect.height();
    };

    StampGeometry g;
    g.pointSize = StartSize;
    while (measure(g.pointSize).width() <= limit && g.pointSize < MaxPointSize)
        g.pointSize += SizeStep;
    g.textSize = measure(g.pointSize);
    while (!fits(g.textSize) && g.pointSize > 1) {
        g.pointSize = g.pointSize > StartSize ? g.pointSize - SizeStep : g.pointSize - 1;
        g.textSize = measure(g.pointSize);
    }

    const int w = g.textSize.width();
    const int h = g.textSize.height();
    const int hCos = int(h * std::cos(a));
    const int hSin = int(h * std::sin(a));
    const int wCos = int(w * std::cos(a));
    const int wSin = int(w * std::sin(a));
    const int gap = (bottom - hCos - wSin - top) / 2;
    g.left = left + (right - hSin - wCos - left) / 2;
    g.top = top + wSin + gap;
    g.right = g.left + hSin + wCos;
    g.bottom = bottom - gap;
    return g;
}

Stamp::Outline Stamp::outline(QPaintDevice& paintDevice, const QSize& size, const QString& text,
                              int angle, bool onPaper)
{
    QPaintDevice* device = &paintDevice;
    const auto fontAt = [device](int pointSize) {
        return QFont(stampFont(pointSize).deviceFont(), device);
    };
    Outline o;
    o.text = text;
    o.size = size;
    o.angle = angle;
    o.onPaper = onPaper;
    o.dpiY = device->logicalDpiY();
    o.geometry = geometry(QRect(QPoint(0, 0), size), angle, onPaper, [&](int pointSize) {
        const QFontMetrics metrics(fontAt(pointSize));
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    });
    const QFont font = fontAt(o.geometry.pointSize);
    o.path.addText(QPointF(0, QFontMetrics(font).ascent()), font, text);
    // One pixel of a 96 dpi screen, so that the outline shows on paper too.
    o.penWidth = std::max(1.0, o.dpiY / 96.0);
    return o;
}

QTransform Stamp::placement(const QPoint& origin, const Outline& o)
{
    QTransform placed;
    placed.translate(origin.x() + o.geometry.left, origin.y() + o.geometry.top);
    placed.rotate(-o.angle);
    return placed;
}

QPen Stamp::pen(const Outline& o)
{
    return QPen(stampFont(o.geometry.pointSize, colour(o.text)).textColour(), o.penWidth,
                Qt::SolidLine);
}

void Stamp::drawOutline(QPainter& painter, const QPoint& origin, const Outline& o)
{
    CDCSave saved(painter);
    painter.setTransform(placement(origin, o), true);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(o));
    painter.drawPath(o.path);
}

Stamp::Stroke Stamp::stroke(QPaintDevice& device, const QRect& rect, const ombrel::OMString& text,
                            int angle, bool onPaper)
{
    if (text.isEmpty() || rect.isEmpty())
        return {};
    const Outline o = outline(device, rect.size(), text.toQString(), angle, onPaper);
    return {o.path, placement(rect.topLeft(), o), pen(o)};
}

void Stamp::draw(QPainter& painter, const QRect& rect, const ombrel::OMString& text, int angle,
                 bool onPaper)
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    drawOutline(painter, rect.topLeft(),
                outline(*painter.device(), rect.size(), text.toQString(), angle, onPaper));
}

void Stamp::paint(QPainter& painter, const QRect& rect, const ombrel::OMString& text, int angle,
                  bool onPaper)
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    const QString qtext = text.toQString();
    const Outline* o = m_outline ? &*m_outline : nullptr;
    if (!o || o->text != qtext || o->size != rect.size() || o->angle != angle ||
        o->onPaper != onPaper || o->dpiY != painter.device()->logicalDpiY())
        m_outline = outline(*painter.device(), rect.size(), qtext, angle, onPaper);
    drawOutline(painter, rect.topLeft(), *m_outline);
}
