#pragma once

#include <QPainter>

/// Keeps a painter's state (font, pen, brush, transform, clip) until destroyed.
class CDCSave
{
public:
    explicit CDCSave(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~CDCSave() { m_painter.restore(); }
    CDCSave(const CDCSave&) = delete;
    CDCSave& operator=(const CDCSave&) = delete;

private:
    QPainter& m_painter;
};
