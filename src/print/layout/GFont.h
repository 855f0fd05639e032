#pragma once

#include "foundation/OMString.h"

#include <QColor>
#include <QFont>
#include <cstdint>

/**
 * A font of the printed page: name, size in points, style bits and text
 * colour (0x00BBGGRR). A font with no name and size 0 is empty; the page then
 * uses its default font in its place.
 */
class GFont
{
public:
    enum StyleBits : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    GFont() = default;
    GFont(const ombrel::OMString& name, int size, int style = 0, uint32_t colour = 0);

    const ombrel::OMString& name() const { return m_name; }
    void setName(const ombrel::OMString& name) { m_name = name; }
    int size() const { return m_size; }
    void setSize(int size) { m_size = size; }
    int style() const { return m_style; }
    void setStyle(int style) { m_style = style; }
    uint32_t colour() const { return m_colour; }
    void setColour(uint32_t colour) { m_colour = colour; }

    bool isEmpty() const { return m_name.isEmpty() && m_size == 0; }

    /// The Qt font in layout units (GUnits), hinting off so that every device
    /// measures the same text alike.
    QFont layoutFont() const;
    /// The Qt font at its point size, for drawing straight onto a device.
    QFont deviceFont() const;
    QColor textColour() const;

    friend bool operator==(const GFont&, const GFont&) = default;

private:
    void applyStyle(QFont& font) const;

    ombrel::OMString m_name;
    int m_size = 0;
    int m_style = 0;
    uint32_t m_colour = 0;
};
