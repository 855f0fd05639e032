#pragma once

#include "GFont.h"
#include "GObject.h"
#include "GPadding.h"
#include "GUnits.h"

#include "foundation/OMString.h"

#include <QColor>
#include <QFont>

#include <memory>
#include <optional>

class GTextMeasures;
class TextFlow;

/// One cell of a grid row: text in a font, or an object; colours, padding and
/// a span over several columns.
class GGridCell : public GObject
{
public:
    void setText(const ombrel::OMString& text)
    {
        m_text = text;
        m_flow.reset();
    }
    const ombrel::OMString& text() const { return m_text; }

    void setFont(const GFont& font) { m_font = font; }
    const GFont& font() const { return m_font; }

    /// Puts an object (a picture, a text box) in the cell in place of its text.
    void setContents(std::unique_ptr<GObject> object) { m_contents = std::move(object); }
    const GObject* contents() const { return m_contents.get(); }

    uint32_t textColour = GUnits::NoColour;
    uint32_t background = GUnits::NoColour;
    /// Unset: the grid's cell padding.
    std::optional<GPadding> padding;
    int columnSpan = 1;

    QString displayText() const override;

    /// The text shaped in `font` and `colour`: made once and kept while both
    /// stay the same, so measuring, breaking and drawing share one shaping.
    /// `measures` (may be null) has the widths of texts measured before.
    std::shared_ptr<TextFlow> flow(const QFont& font, const QColor& colour,
                                   GTextMeasures* measures = nullptr) const;

private:
    ombrel::OMString m_text;
    GFont m_font;
    std::unique_ptr<GObject> m_contents;
    mutable std::shared_ptr<TextFlow> m_flow;
    mutable QFont m_flowFont;
    mutable QColor m_flowColour;
};
