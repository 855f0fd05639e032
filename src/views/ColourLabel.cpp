#include "ColourLabel.h"

CColorStatic::CColorStatic(QWidget* parent) : QLabel(parent)
{
}

void CColorStatic::setTextColour(const QColor& colour)
{
    m_text = colour;
    applyColours();
}

void CColorStatic::setBackgroundColour(const QColor& colour)
{
    m_background = colour;
    applyColours();
}

void CColorStatic::setSunken(bool sunken)
{
    setFrameStyle(sunken ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
    setMargin(sunken ? 2 : 0);
}

void CColorStatic::applyColours()
{
    QPalette colours = palette();
    const QPalette standard;
    colours.setColor(QPalette::WindowText,
                     m_text.isValid() ? m_text : standard.color(QPalette::WindowText));
    colours.setColor(QPalette::Window,
                     m_background.isValid() ? m_background : standard.color(QPalette::Window));
    setPalette(colours);
    setAutoFillBackground(m_background.isValid());
}
