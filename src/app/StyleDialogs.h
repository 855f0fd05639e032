#pragma once

#include <QString>
#include <cstdint>

class ColourLabel;
class QWidget;
struct TextStyle;

/**
 * What the options pages do with a text style's copy: Qt's font and colour
 * dialogs, and the sample drawn in the style.
 */
class StyleDialogs
{
public:
    /// The font dialog, started on the style's font; on OK the style takes the
    /// chosen face, whole point size (within the sizes pages allow), bold,
    /// italic, underline and strike-out. False when cancelled.
    static bool chooseFont(QWidget* parent, TextStyle& style);
    /// The colour dialog, started on `colour` (0x00BBGGRR); false when cancelled.
    static bool chooseColour(QWidget* parent, uint32_t& colour, const QString& title);
    /// Shows `text` in the style's font, text colour and background.
    static void showSample(ColourLabel& sample, const TextStyle& style, const QString& text);
};
