#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <array>
#include <memory>
#include <vector>

/**
 * The widths of plain texts measured in a font, kept by the page from one
 * composition to the next: composing again after an edit makes new cells,
 * and each finds its text measured already unless the edit changed it.
 *
 * What a layout keeps is what it used: each entry remembers the last
 * composition that looked it up, and the first layout after each composition
 * (newComposition(), then startLayout()) drops what the composition before it
 * did not use. So the kept widths stay in proportion to the text laid out,
 * not to every text ever measured.
 *
 * It also bounds widths without measuring: a plain text of printable ASCII is
 * no wider than the sum of its characters' advances plus a tenth of the
 * font's height a character, an allowance no kerning of a text font reaches.
 * The grid measures exactly only the texts such a bound cannot settle (the
 * widest cell of a column, a text that may not fit its cell, a text that is
 * not aligned left), so most descriptions are never shaped to be measured.
 */
class GTextMeasures
{
public:
    /// The lines a text was broken into at a width: where each starts, its
    /// length, its width and height.
    struct BrokenLines
    {
        struct Line
        {
            int start = 0;
            int length = 0;
            double width = 0;
            double height = 0;
        };
        double width = 0;
        std::vector<Line> lines;
    };
    struct Widths
    {
        /// -1 until measured.
        double natural = -1;
        double minimum = -1;
        /// The text's lines when it last wrapped: composing again breaks
        /// nothing that kept its width, and shapes it only to draw it.
        std::shared_ptr<const BrokenLines> wrapped;
    };

    /// The widths of `text` in `font`, made empty when not measured yet; the
    /// reference holds until the next find(), startLayout() or clear().
    Widths& find(const QFont& font, const QString& text);

    /// A width `text` in `font` does not exceed; infinity when the text is
    /// not all printable ASCII. No text is shaped for it.
    double upperBound(const QFont& font, const QString& text);
    /// The same for the widest part of `text` between spaces: no part a line
    /// may break into is wider.
    double widestWordBound(const QFont& font, const QString& text);

    /// The width of a figure (digits, ".", ",", "%", "-") in `font`: its
    /// characters' advances and the kerning of each pair of neighbours, all
    /// measured once for the font, summed; -1 when `text` is not a figure. A
    /// font kerns figures by pairs alone, so the sum is the width the font
    /// measures, to the last bit. Figures are most of a table's texts and
    /// mostly unique: summed, they are neither shaped nor kept.
    double figureWidth(const QFont& font, const QString& text);

    /// The glyphs of a figure as the font sets it, placed as figureWidth()
    /// measures it, so that drawing it shapes nothing; false (and `run` left
    /// as it was) when `text` is not a figure or the font lacks one of its
    /// glyphs or decorates its text (underline, strike-out).
    bool figureRun(const QFont& font, const QString& text, QGlyphRun& run);

    /// The font's ascent and the height of its line (with its leading), made
    /// once for the font.
    struct LineMetrics
    {
        double ascent = 0;
        double spacing = 0;
    };
    LineMetrics lineMetrics(const QFont& font);
    static LineMetrics measureLine(const QFont& font);

    /// A new composition: its first layout starts a new generation.
    void newComposition() { m_fresh = true; }
    /// Called as each layout starts.
    void startLayout();
    void clear() { m_fonts.clear(); }

    /// The texts kept, for tests and the memory report.
    size_t size() const;

private:
    struct Entry
    {
        Widths widths;
        /// The last generation that used the entry.
        unsigned generation = 0;
    };
    struct FontEntries
    {
        QFont font;
        QHash<QString, Entry> entries;
        /// Each printable ASCII character's advance plus the allowance, made
        /// when the font bounds its first text.
        std::array<double, 128> bounds{};
        bool bounded = false;
        /// The advances of the figures' fourteen characters, and what the
        /// font's kerning adds to each pair of them.
        std::array<double, 14> figureAdvances{};
        std::array<double, 14 * 14> figurePairs{};
        bool figuresMeasured = false;
        /// The font's figure glyphs, made when it draws its first figure;
        /// an invalid raw font when it cannot.
        QRawFont raw;
        std::array<quint32, 14> figureGlyphs{};
        bool figureGlyphsMade = false;
        LineMetrics line;
        bool lineMeasured = false;
    };

    FontEntries& fontEntries(const QFont& font);
    /// The font's advances, made once.
    const std::array<double, 128>& bounds(FontEntries& entries);

    std::vector<FontEntries> m_fonts;
    unsigned m_generation = 1;
    bool m_fresh = true;
};
