#include "PageFonts.h"

#include "TextStyles.h"

void PageFonts::load(const TextStyles& styles)
{
    title = styles.font(StyleTitle);
    heading = styles.font(StyleHeading);
    normal = styles.font(StyleNormal);
    footer = styles.font(StyleFooter);
    detail = styles.font(StyleDetail);
    description = styles.font(StyleDescription);
    normalBold = boldVariant(normal);
    detailBold = boldVariant(detail);
    descriptionBold = boldVariant(description);
}

GFont PageFonts::boldVariant(const GFont& font)
{
    GFont bold = font;
    if (font.style() & GFont::Bold)
        bold.setSize(font.size() + 1);
    else
        bold.setStyle(font.style() | GFont::Bold);
    return bold;
}
