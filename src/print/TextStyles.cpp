#include "TextStyles.h"

#include "layout/GUnits.h"
#include "resources/StringTable.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include "foundation/OMException.h"

#include <algorithm>
#include <string>

using ombrel::OMString;

namespace {

struct StyleDefault
{
    const char* name;
    int titleId;
    int descriptionId;
    const char* font;
    int size;
    int style;
    uint32_t colour;
    uint32_t background;
    int editable;
};

constexpr uint32_t White = GUnits::rgb(255, 255, 255);
constexpr int TextEditable = TextStyle::EditFont | TextStyle::EditTextColour;

const StyleDefault Defaults[StyleCount] = {
    {"Logo", IDS_STYLE_LOGO_TITLE, IDS_STYLE_LOGO_DESC, "Comic Sans MS", 36, 0, 0, White,
     TextEditable},
    // The tag line in the page's face, in italics a little below the body size.
    {"Tagline", IDS_STYLE_TAGLINE_TITLE, IDS_STYLE_TAGLINE_DESC, "Arial", 11, 2,
     GUnits::rgb(100, 100, 130), White, TextEditable},
    {"Title", IDS_STYLE_TITLE_TITLE, IDS_STYLE_TITLE_DESC, "Arial", 20, 1, GUnits::rgb(0, 0, 160),
     White, TextEditable},
    {"Heading", IDS_STYLE_HEADING_TITLE, IDS_STYLE_HEADING_DESC, "Arial", 18, 1,
     GUnits::rgb(0, 0, 120), White, TextEditable},
    {"Normal", IDS_STYLE_NORMAL_TITLE, IDS_STYLE_NORMAL_DESC, "Arial", 12, 0, 0, White,
     TextEditable},
    {"Detail", IDS_STYLE_DETAIL_TITLE, IDS_STYLE_DETAIL_DESC, "Arial", 10, 0,
     GUnits::rgb(0, 0, 120), White, TextEditable},
    {"Description", IDS_STYLE_DESCRIPTION_TITLE, IDS_STYLE_DESCRIPTION_DESC, "Arial", 12, 2, 0,
     White, TextEditable},
    {"Footer", IDS_STYLE_FOOTER_TITLE, IDS_STYLE_FOOTER_DESC, "Arial", 8, 0, GUnits::rgb(0, 0, 200),
     White, TextEditable},
    {"Terms", IDS_STYLE_TERMS_TITLE, IDS_STYLE_TERMS_DESC, "Arial", 10, 0, GUnits::rgb(200, 0, 0),
     White, TextEditable},
    {"TableHeader", IDS_STYLE_TABLEHEADER_TITLE, IDS_STYLE_TABLEHEADER_DESC, "Arial", 12, 1, 0,
     GUnits::rgb(230, 230, 230), TextStyle::EditBackground},
    {"TableFooter", IDS_STYLE_TABLEFOOTER_TITLE, IDS_STYLE_TABLEFOOTER_DESC, "Arial", 12, 1, 0,
     GUnits::rgb(230, 230, 230), TextStyle::EditBackground},
    {"TableEvenRow", IDS_STYLE_TABLEEVENROW_TITLE, IDS_STYLE_TABLEEVENROW_DESC, "Arial", 12, 0, 0,
     GUnits::rgb(245, 245, 245), TextStyle::EditBackground},
    {"TableOddRow", IDS_STYLE_TABLEODDROW_TITLE, IDS_STYLE_TABLEODDROW_DESC, "Arial", 12, 0, 0,
     White, TextStyle::EditBackground},
};

void checkIndex(int index)
{
    if (index < 0 || index >= StyleCount)
        throw ombrel::OMIndexOutOfBoundsException("text style " + std::to_string(index));
}

} // namespace

TextStyles::TextStyles()
{
    for (int i = 0; i < StyleCount; ++i)
        m_styles[size_t(i)] = defaultStyle(i);
}

const char* TextStyles::styleName(int index)
{
    checkIndex(index);
    return Defaults[index].name;
}

TextStyle TextStyles::defaultStyle(int index)
{
    checkIndex(index);
    const StyleDefault& d = Defaults[index];
    TextStyle style;
    style.font = GFont(d.font, d.size, d.style, d.colour);
    style.title = StringTable::text(d.titleId);
    style.description = StringTable::text(d.descriptionId);
    style.background = d.background;
    style.editable = d.editable;
    return style;
}

void TextStyles::loadStyles()
{
    for (int i = 0; i < StyleCount; ++i) {
        TextStyle style = defaultStyle(i);
        const OMString name = styleName(i);
        const GFont& d = style.font;
        style.font.setName(SettingsStore::get(SettingKeys::StyleFontName, name, d.name()));
        // A size no page can show (or none) would only make endless pages.
        style.font.setSize(
            std::clamp(SettingsStore::get(SettingKeys::StyleFontSize, name, int32_t(d.size())),
                       MinFontSize, MaxFontSize));
        style.font.setStyle(
            SettingsStore::get(SettingKeys::StyleFontStyle, name, int32_t(d.style())));
        style.font.setColour(
            uint32_t(SettingsStore::get(SettingKeys::StyleTextColour, name, int32_t(d.colour()))));
        style.background = uint32_t(
            SettingsStore::get(SettingKeys::StyleBackground, name, int32_t(style.background)));
        m_styles[size_t(i)] = style;
    }
}

bool TextStyles::setStyle(int index, const TextStyle& style, QString* error)
{
    if (index < 0 || index >= StyleCount)
        return false;
    m_styles[size_t(index)] = style;
    const OMString name = styleName(index);
    return SettingsStore::set(SettingKeys::StyleFontName, name, style.font.name(), error) &&
           SettingsStore::set(SettingKeys::StyleFontSize, name, int32_t(style.font.size()),
                              error) &&
           SettingsStore::set(SettingKeys::StyleFontStyle, name, int32_t(style.font.style()),
                              error) &&
           SettingsStore::set(SettingKeys::StyleTextColour, name, int32_t(style.font.colour()),
                              error) &&
           SettingsStore::set(SettingKeys::StyleBackground, name, int32_t(style.background), error);
}

const TextStyle& TextStyles::style(int index) const
{
    checkIndex(index);
    return m_styles[size_t(index)];
}
