#pragma once

#include "GFont.h"
#include "GObject.h"
#include "GPadding.h"
#include "GUnits.h"

#include "foundation/OMString.h"

class TextFlow;

/// Text in one font inside a padded box with an optional background.
class GTextBox : public GObject
{
public:
    GTextBox() = default;
    GTextBox(const ombrel::OMString& text, const GFont& font, const GPadding& padding = {});

    void setText(const ombrel::OMString& text) { m_text = text; }
    const ombrel::OMString& text() const { return m_text; }
    void setFont(const GFont& font) { m_font = font; }
    const GFont& font() const { return m_font; }
    void setPadding(const GPadding& padding) { m_padding = padding; }
    const GPadding& padding() const { return m_padding; }
    void setBackground(uint32_t colour) { m_background = colour; }
    uint32_t background() const { return m_background; }

    QSizeF boxSize(const GLayoutContext& context, double maxWidth) const override;
    void drawBox(const GLayoutContext& context, QPainter& painter,
                 const QRectF& box) const override;
    QString displayText() const override { return m_text.toQString(); }

private:
    TextFlow flow(const GLayoutContext& context) const;

    ombrel::OMString m_text;
    GFont m_font;
    GPadding m_padding;
    uint32_t m_background = GUnits::NoColour;
};
