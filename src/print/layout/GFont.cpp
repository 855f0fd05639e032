#include "GFont.h"

#include "GUnits.h"

#include <algorithm>
#include <cmath>

GFont::GFont(const ombrel::OMString& name, int size, int style, uint32_t colour)
    : m_name(name), m_size(size), m_style(style), m_colour(colour)
{
}

void GFont::applyStyle(QFont& font) const
{
    font.setBold(m_style & Bold);
    font.setItalic(m_style & Italic);
    font.setUnderline(m_style & Underline);
    font.setStrikeOut(m_style & StrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
}

QFont GFont::layoutFont() const
{
    QFont font(m_name.toQString());
    font.setPixelSize(std::max(1, int(std::lround(GUnits::fromPoints(m_size)))));
    applyStyle(font);
    return font;
}

QFont GFont::deviceFont() const
{
    QFont font(m_name.toQString());
    font.setPointSizeF(std::max(1, m_size));
    applyStyle(font);
    return font;
}

QColor GFont::textColour() const
{
    return GUnits::colour(m_colour);
}
