#pragma once

#include "GFont.h"

/// What every object needs while it is laid out: the page's default font.
struct GLayoutContext
{
    GFont defaultFont;

    /// `font`, or the default font when it is empty.
    const GFont& resolve(const GFont& font) const { return font.isEmpty() ? defaultFont : font; }
};
