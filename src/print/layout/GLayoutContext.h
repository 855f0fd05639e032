#pragma once

#include "GFont.h"

class GTextMeasures;

/// What every object needs while it is laid out: the page's default font,
/// and the height of its body, which no picture exceeds.
struct GLayoutContext
{
    GFont defaultFont;
    /// 0 when there is no page to fit.
    double bodyHeight = 0;
    /// The page's widths of texts measured before, or null: a table's cells
    /// look their texts up here before measuring them.
    GTextMeasures* measures = nullptr;

    /// `font`, or the default font when it is empty.
    const GFont& resolve(const GFont& font) const { return font.isEmpty() ? defaultFont : font; }
};
