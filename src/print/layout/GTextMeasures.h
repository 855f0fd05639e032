#pragma once

#include <QFont>
#include <QHash>
#include <QString>
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
 */
class GTextMeasures
{
public:
    struct Widths
    {
        /// -1 until measured.
        double natural = -1;
        double minimum = -1;
    };

    /// The widths of `text` in `font`, made empty when not measured yet; the
    /// reference holds until the next find(), startLayout() or clear().
    Widths& find(const QFont& font, const QString& text);

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
    };

    std::vector<FontEntries> m_fonts;
    unsigned m_generation = 1;
    bool m_fresh = true;
};
