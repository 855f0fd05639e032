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
    GTextBox(const ombrel::OMString& text, const GFont& font, const GPadding& padding = {});

    const ombrel::OMString& text() const { return m_text; }
    const GFont& font() const { return m_font; }
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
