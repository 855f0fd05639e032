#pragma once

#include "GObject.h"

#include "foundation/OMString.h"

#include <QImage>
#include <optional>

/**
 * A picture from a file. A width of 0 keeps the picture's own size; a given
 * width (in pixels of a 96 dpi screen) scales it, keeping its proportions.
 * A file that cannot be read, or a picture in it cut short, draws nothing
 * and takes no room. A height limit
 * scales a taller picture down, keeping its proportions.
 */
class GPicture : public GObject
{
public:
    GPicture(const ombrel::OMString& fileName, int width = 0);

    int width() const { return m_width; }
    /// The tallest the picture is drawn, in points; 0 for no limit.
    double maxHeight() const { return m_maxHeight; }
    void setMaxHeight(double points) { m_maxHeight = points; }
    /// Whether the file could be read as a picture.
    bool isValid() const;
    /// Whether the file is a picture that ends too soon (it is not valid).
    bool isDamaged() const
    {
        image();
        return m_damaged;
    }

    QSizeF boxSize(const GLayoutContext& context, double maxWidth) const override;
    /// A picture scales down to whatever width it is given.
    double minimumWidth(const GLayoutContext&) const override { return 0; }
    void drawBox(const GLayoutContext& context, QPainter& painter,
                 const QRectF& box) const override;

private:
    const QImage& image() const;

    ombrel::OMString m_fileName;
    int m_width;
    double m_maxHeight = 0;
    mutable std::optional<QImage> m_image;
    mutable bool m_damaged = false;
};
