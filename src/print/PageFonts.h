#pragma once

#include "layout/GFont.h"

class TextStyles;

/// The nine fonts a preview copies from the styles when it first composes and
/// after every settings change.
struct PageFonts
{
    GFont title;
    GFont heading;
    GFont normal;
    GFont normalBold;
    GFont footer;
    GFont detail;
    GFont detailBold;
    GFont description;
    GFont descriptionBold;

    void load(const TextStyles& styles);

    /// A copy of `font` made bold; a font already bold is made a point larger.
    static GFont boldVariant(const GFont& font);
};
