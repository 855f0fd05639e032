#pragma once

#include "layout/GFont.h"

#include "foundation/OMString.h"

#include <cstdint>

/// One named style of the printed page: a font with its text colour and a
/// background colour (0x00BBGGRR), with the texts the options sheet shows.
struct TextStyle
{
    /// Buttons the text styles page enables for the style.
    enum Editable : int { EditTextColour = 1, EditBackground = 2, EditFont = 4 };

    GFont font;
    ombrel::OMString title;
    ombrel::OMString description;
    uint32_t background = 0xFFFFFF;
    int editable = 0;

    /// Whether the two draw alike: the same font, text colour and background.
    bool looksLike(const TextStyle& other) const
    {
        return font == other.font && background == other.background;
    }
};
