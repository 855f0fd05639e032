#pragma once

#include "foundation/OMString.h"

#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <functional>
#include <optional>

class QPaintDevice;
class QPainter;

/// Where the stamp's text goes: its point size, its size at that point size and
/// the rectangle its rotated text is drawn from (top left is where the text starts).
struct StampGeometry
{
    int pointSize = 0;
    QSize textSize;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

/// The outline text drawn across an invoice: "OVERDUE" in red, "PAID" in green.
class Stamp
{
public:
    static constexpr int ScreenAngle = 30;
    static constexpr int PaperAngle = 50;
    static constexpr int StartSize = 60;
    static constexpr int SizeStep = 10;

    /**
     * The stamp's geometry in `rect` at `angle` degrees. The point size starts
     * at 60 and grows by 10 while the text, measured by `measure`, is no wider
     * than the limit: the whole width on paper, three quarters on screen; it
     * then steps down until the turned text lies within the rectangle. The
     * rotated text is centred in the rectangle.
     */
    static StampGeometry geometry(const QRect& rect, int angle, bool onPaper,
                                  const std::function<QSize(int pointSize)>& measure);
    /// The colour `text` is drawn in (0x00BBGGRR).
    static uint32_t colour(const QString& text);
    /// Draws `text` as the stamp into `rect` of the painter's device; nothing
    /// for an empty text.
    static void draw(QPainter& painter, const QRect& rect, const ombrel::OMString& text, int angle,
                     bool onPaper);

    /// As draw(), keeping the outline: the pages of one composition, all of
    /// one size on one device, measure the text and make its path once.
    void paint(QPainter& painter, const QRect& rect, const ombrel::OMString& text, int angle,
               bool onPaper);
    /// Forgets the outline (a new composition).
    void reset() { m_outline.reset(); }

    /// What draw() strokes into `rect` of `device`: the text's outline, the
    /// transformation placing it (device units) and the pen; an empty path
    /// for an empty text.
    struct Stroke
    {
        QPainterPath path;
        QTransform placement;
        QPen pen;
    };
    static Stroke stroke(QPaintDevice& device, const QRect& rect, const ombrel::OMString& text,
                         int angle, bool onPaper);

private:
    /// The stamp measured for a rectangle at the origin.
    struct Outline
    {
        QString text;
        QSize size;
        int angle = 0;
        bool onPaper = false;
        int dpiY = 0;
        StampGeometry geometry;
        QPainterPath path;
        double penWidth = 1;
    };
    static Outline outline(QPaintDevice& device, const QSize& size, const QString& text, int angle,
                           bool onPaper);
    static QTransform placement(const QPoint& origin, const Outline& outline);
    static QPen pen(const Outline& outline);
    static void drawOutline(QPainter& painter, const QPoint& origin, const Outline& outline);

    std::optional<Outline> m_outline;
};
