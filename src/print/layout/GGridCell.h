#pragma once

#include "GFont.h"
#include "GObject.h"
#include "GPadding.h"
#include "GUnits.h"

#include "foundation/OMString.h"

#include <memory>
#include <optional>

/// One cell of a grid row: text in a font, or an object; colours, padding and
/// a span over several columns.
class GGridCell : public GObject
{
public:
    void setText(const ombrel::OMString& text) { m_text = text; }
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

private:
    ombrel::OMString m_text;
    GFont m_font;
    std::unique_ptr<GObject> m_contents;
};
