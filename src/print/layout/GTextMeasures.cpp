#include "GTextMeasures.h"

#include <QFontMetricsF>
#include <iterator>
#include <limits>

namespace {

// The most kerning is taken to widen a text, a character, as a share of the
// font's height. Text fonts kern pairs closer far more often than apart, and
// by a few hundredths of an em when apart.
constexpr double KerningAllowance = 0.1;

constexpr double Unbounded = std::numeric_limits<double>::infinity();

} // namespace

GTextMeasures::FontEntries& GTextMeasures::fontEntries(const QFont& font)
{
    // A page has a handful of fonts, mostly the same QFont shared, which
    // compares at once.
    for (FontEntries& entries : m_fonts)
        if (entries.font == font)
            return entries;
    m_fonts.push_back({font, {}, {}, false, {}, {}, false, {}, {}, false, {}, false});
    return m_fonts.back();
}

GTextMeasures::Widths& GTextMeasures::find(const QFont& font, const QString& text)
{
    FontEntries& known = fontEntries(font);
    auto found = known.entries.find(text);
    if (found == known.entries.end())
        found = known.entries.emplace(text, Entry());
    found->generation = m_generation;
    return found->widths;
}

const std::array<double, 128>& GTextMeasures::bounds(FontEntries& entries)
{
    if (!entries.bounded) {
        const QFontMetricsF metrics(entries.font);
        const double allowance = metrics.height() * KerningAllowance;
        for (int c = ' '; c < 0x7f; ++c)
            entries.bounds[size_t(c)] = metrics.horizontalAdvance(QChar(c)) + allowance;
        entries.bounded = true;
    }
    return entries.bounds;
}

GTextMeasures::LineMetrics GTextMeasures::measureLine(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {metrics.ascent(),
            metrics.ascent() + metrics.descent() + std::max(0.0, metrics.leading())};
}

GTextMeasures::LineMetrics GTextMeasures::lineMetrics(const QFont& font)
{
    FontEntries& entries = fontEntries(font);
    if (!entries.lineMeasured) {
        entries.line = measureLine(font);
        entries.lineMeasured = true;
    }
    return entries.line;
}

namespace {

// The characters of figures, and each one's place among them (-1: none).
constexpr char16_t Figures[] = u"0123456789.,%-";
constexpr int FigureCount = int(std::size(Figures)) - 1;

int figureIndex(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    switch (c) {
    case '.':
        return 10;
    case ',':
        return 11;
    case '%':
        return 12;
    case '-':
        return 13;
    default:
        return -1;
    }
}

} // namespace

double GTextMeasures::figureWidth(const QFont& font, const QString& text)
{
    FontEntries& entries = fontEntries(font);
    if (!entries.figuresMeasured) {
        // Each character's advance and what the font adds to or takes from
        // each pair set side by side (its kerning), measured as the layout
        // measures text.
        const QFontMetricsF metrics(font);
        for (int a = 0; a < FigureCount; ++a)
            entries.figureAdvances[size_t(a)] = metrics.horizontalAdvance(QChar(Figures[a]));
        for (int a = 0; a < FigureCount; ++a)
            for (int b = 0; b < FigureCount; ++b) {
                const QChar pair[] = {QChar(Figures[a]), QChar(Figures[b])};
                entries.figurePairs[size_t(a * FigureCount + b)] =
                    metrics.horizontalAdvance(QString(pair, 2)) -
                    entries.figureAdvances[size_t(a)] - entries.figureAdvances[size_t(b)];
            }
        entries.figuresMeasured = true;
    }
    if (text.isEmpty())
        return -1;
    double width = 0;
    int previous = -1;
    for (const QChar c : text) {
        const int index = figureIndex(c.unicode());
        if (index < 0)
            return -1;
        width += entries.figureAdvances[size_t(index)];
        if (previous >= 0)
            width += entries.figurePairs[size_t(previous * FigureCount + index)];
        previous = index;
    }
    return width;
}

bool GTextMeasures::figureRun(const QFont& font, const QString& text, QGlyphRun& run)
{
    if (figureWidth(font, text) < 0)
        return false;
    FontEntries& entries = fontEntries(font);
    if (!entries.figureGlyphsMade) {
        entries.figureGlyphsMade = true;
        if (!font.underline() && !font.strikeOut() && !font.overline()) {
            entries.raw = QRawFont::fromFont(font);
            const QList<quint32> glyphs = entries.raw.glyphIndexesForString(
                QString(reinterpret_cast<const QChar*>(Figures), FigureCount));
            // A figure missing from the font is drawn from another: shaped.
            if (glyphs.size() != FigureCount || glyphs.contains(0u))
                entries.raw = QRawFont();
            else
                std::copy(glyphs.begin(), glyphs.end(), entries.figureGlyphs.begin());
        }
    }
    if (!entries.raw.isValid())
        return false;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    double x = 0;
    int previous = -1;
    for (const QChar c : text) {
        const int index = figureIndex(c.unicode());
        if (previous >= 0)
            x += entries.figureAdvances[size_t(previous)] +
                 entries.figurePairs[size_t(previous * FigureCount + index)];
        glyphs.append(entries.figureGlyphs[size_t(index)]);
        positions.append(QPointF(x, 0));
        previous = index;
    }
    run.setRawFont(entries.raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return true;
}

double GTextMeasures::upperBound(const QFont& font, const QString& text)
{
    const std::array<double, 128>& table = bounds(fontEntries(font));
    double sum = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7f)
            return Unbounded;
        sum += table[u];
    }
    return sum;
}

double GTextMeasures::widestWordBound(const QFont& font, const QString& text)
{
    const std::array<double, 128>& table = bounds(fontEntries(font));
    double widest = 0;
    double word = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7f)
            return Unbounded;
        if (u == ' ') {
            widest = std::max(widest, word);
            word = 0;
        } else {
            word += table[u];
        }
    }
    return std::max(widest, word);
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
    // A font's own figures (bounds, line metrics) are few: they stay with it.
    std::erase_if(m_fonts, [](const FontEntries& fontEntries) {
        return fontEntries.entries.empty() && !fontEntries.bounded && !fontEntries.lineMeasured &&
               !fontEntries.figuresMeasured;
    });
}

size_t GTextMeasures::size() const
{
    size_t count = 0;
    for (const FontEntries& fontEntries : m_fonts)
        count += size_t(fontEntries.entries.size());
    return count;
}
