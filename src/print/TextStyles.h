#pragma once

#include "TextStyle.h"

#include <QString>
#include <array>

/// Positions of the thirteen styles.
enum TextStyleIndex : int {
    StyleLogo = 0,
    StyleTagline,
    StyleTitle,
    StyleHeading,
    StyleNormal,
    StyleDetail,
    StyleDescription,
    StyleFooter,
    StyleTerms,
    StyleTableHeader,
    StyleTableFooter,
    StyleTableEvenRow,
    StyleTableOddRow,
    StyleCount
};

/**
 * The thirteen text styles and table colours. Each is stored under
 * "options/style/" and its name; a value that is absent reads as the style's
 * default. The application object owns one table, loaded at start-up.
 */
class TextStyles
{
public:
    /// A table holding the defaults.
    TextStyles();

    /// Font sizes are taken between these, in points.
    static constexpr int MinFontSize = 4;
    static constexpr int MaxFontSize = 144;

    /// Reads every style from the settings store.
    void loadStyles();
    /// Copies `style` into slot `index` and writes its five stored values;
    /// false, with the reason, when the settings could not take them. An
    /// index outside the table changes nothing.
    bool setStyle(int index, const TextStyle& style, QString* error = nullptr);

    const TextStyle& style(int index) const;
    GFont font(int index) const { return style(index).font; }
    uint32_t textColour(int index) const { return style(index).font.colour(); }
    uint32_t background(int index) const { return style(index).background; }

    /// The key of a style ("Logo", ..., "TableOddRow").
    static const char* styleName(int index);
    static TextStyle defaultStyle(int index);

private:
    std::array<TextStyle, StyleCount> m_styles;
};
