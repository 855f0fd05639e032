#include "ColourLabel.h"

ColourLabel::ColourLabel(QWidget* parent) : QLabel(parent)
{
}

void ColourLabel::setTextColour(const QColor& colour)
{
    m_text = colour;
    applyColours();
}

void ColourLabel::setBackgroundColour(const QColor& colour)
{
    m_background = colour;
    applyColours();
}

void ColourLabel::setSunken(bool sunken)
{
    setFrameStyle(sunken ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
    setMargin(sunken ? 2 : 0);
}

void ColourLabel::applyColours()
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
