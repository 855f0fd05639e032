#include "GTextMeasures.h"

GTextMeasures::Widths& GTextMeasures::find(const QFont& font, const QString& text)
{
    // A page has a handful of fonts, mostly the same QFont shared, which
    // compares at once.
    FontEntries* known = nullptr;
    for (FontEntries& fontEntries : m_fonts)
        if (fontEntries.font == font) {
            known = &fontEntries;
            break;
        }
    if (!known) {
        m_fonts.push_back({font, {}});
        known = &m_fonts.back();
    }
    auto found = known->entries.find(text);
    if (found == known->entries.end())
        found = known->entries.emplace(text, Entry());
    found->generation = m_generation;
    return found->widths;
}

void GTextMeasures::startLayout()
{
    if (!m_fresh)
        return;
    m_fresh = false;
    // What the last composition used stays; anything older goes.
    const unsigned kept = m_generation;
    ++m_generation;
    for (FontEntries& fontEntries : m_fonts)
        fontEntries.entries.removeIf(
            [kept](const auto& entry) { return entry.value().generation < kept; });
    std::erase_if(m_fonts,
                  [](const FontEntries& fontEntries) { return fontEntries.entries.empty(); });
}

size_t GTextMeasures::size() const
{
    size_t count = 0;
    for (const FontEntries& fontEntries : m_fonts)
        count += size_t(fontEntries.entries.size());
    return count;
}
