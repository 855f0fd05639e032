#include "Stamp.h"

#include "layout/CDCSave.h"
#include "layout/GFont.h"
#include "layout/GUnits.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Text that measures nothing (only zero-width characters) must not grow forever.
constexpr int MaxPointSize = 2000;

GFont stampFont(int size)
{
    return GFont("Arial", size, GFont::Bold, GUnits::rgb(255, 0, 0));
}

} // namespace

StampGeometry Stamp::geometry(const QRect& rect, int angle, bool onPaper,
                              const std::function<QSize(int)>& measure)
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    const int limit = onPaper ? rect.width() : rect.width() * 3 / 4;

    StampGeometry g;
    g.pointSize = StartSize;
    while (measure(g.pointSize).width() <= limit && g.pointSize < MaxPointSize)
        g.pointSize += SizeStep;
    g.textSize = measure(g.pointSize);

    const double a = angle * std::numbers::pi / 180.0;
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

void Stamp::draw(QPainter& painter, const QRect& rect, const ombrel::OMString& text, int angle,
                 bool onPaper)
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    CDCSave saved(painter);
    QPaintDevice* device = painter.device();
    const QString qtext = text.toQString();
    const auto fontAt = [device](int size) { return QFont(stampFont(size).deviceFont(), device); };
    const StampGeometry g = geometry(rect, angle, onPaper, [&](int size) {
        const QFontMetrics metrics(fontAt(size));
        return QSize(metrics.horizontalAdvance(qtext), metrics.height());
    });

    const QFont font = fontAt(g.pointSize);
    QPainterPath path;
    path.addText(QPointF(0, QFontMetrics(font).ascent()), font, qtext);
    painter.translate(g.left, g.top);
    painter.rotate(-angle);
    // One pixel of a 96 dpi screen, so that the outline shows on paper too.
    const double penWidth = std::max(1.0, device->logicalDpiY() / 96.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(stampFont(g.pointSize).textColour(), penWidth, Qt::SolidLine));
    painter.drawPath(path);
}
