#include "TextFlow.h"

#include "GTextMeasures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace {

bool isPlain(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.direction() == QChar::DirR ||
            c.direction() == QChar::DirAL || c.direction() == QChar::DirAN)
            return false;
    return true;
}

} // namespace

TextFlow::TextFlow(const GTextRun& run, bool wrap) : m_wrap(wrap)
{
    if (run.text.contains(QLatin1Char('\n')))
        build({run});
    else
        addLine(run);
}

void TextFlow::addLine(const GTextRun& run)
{
    // One run on one line, as most table cells are.
    if (run.text.isEmpty())
        return;
    Piece piece(run.font);
    piece.segments.push_back({0, int(run.text.size()), run.font, run.colour});
    piece.text = run.text;
    piece.plain = isPlain(piece.text);
    m_pieces.reserve(1);
    m_pieces.push_back(std::move(piece));
}

TextFlow::TextFlow(const std::vector<GTextRun>& runs, bool wrap) : m_wrap(wrap)
{
    build(runs);
}

void TextFlow::build(const std::vector<GTextRun>& runs)
{
    if (runs.empty())
        return;
    if (runs.size() == 1 && !runs.front().text.contains(QLatin1Char('\n'))) {
        addLine(runs.front());
        return;
    }
    Piece current(runs.front().font);
    bool started = false;
    for (const GTextRun& run : runs) {
        const QStringList parts = run.text.split(QLatin1Char('\n'));
        for (qsizetype k = 0; k < parts.size(); ++k) {
            if (k > 0) {
                // The "\n" that ends a piece gives an empty piece its height.
                if (current.text.isEmpty())
                    current.font = run.font;
                m_pieces.push_back(std::move(current));
                current = Piece(run.font);
                started = false;
            }
            const QString& part = parts[k];
            if (part.isEmpty())
                continue;
            if (!started) {
                current.font = run.font;
                started = true;
            }
            current.segments.push_back(
                {int(current.text.size()), int(part.size()), run.font, run.colour});
            current.text += part;
        }
    }
    if (!current.text.isEmpty())
        m_pieces.push_back(std::move(current));
    for (Piece& piece : m_pieces)
        piece.plain = piece.segments.size() == 1 && isPlain(piece.text);
}

TextFlow::~TextFlow() = default;

std::unique_ptr<QTextLayout> TextFlow::shape(const Piece& piece, int start, int length) const
{
    auto layout = std::make_unique<QTextLayout>(piece.text.mid(start, length), piece.font);
    QList<QTextLayout::FormatRange> formats;
    formats.reserve(qsizetype(piece.segments.size()));
    for (const Segment& segment : piece.segments) {
        const int from = std::max(segment.start, start);
        const int to = std::min(segment.start + segment.length, start + length);
        if (from >= to)
            continue;
        QTextLayout::FormatRange range;
        range.start = from - start;
        range.length = to - from;
        range.format.setFont(segment.font, QTextCharFormat::FontPropertiesAll);
        range.format.setForeground(segment.colour);
        formats.append(range);
    }
    layout->setFormats(formats);
    return layout;
}

void TextFlow::breakLines(QTextLayout& layout, Breaks breaks) const
{
    // Laying out again keeps the glyphs the first layout shaped.
    QTextOption option;
    double lineWidth = 1e9;
    if (breaks == Breaks::Wrapped) {
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        lineWidth = std::max(1.0, m_width);
    } else if (breaks == Breaks::Narrowest) {
        option.setWrapMode(QTextOption::WordWrap);
        lineWidth = 0;
    } else {
        option.setWrapMode(QTextOption::NoWrap);
    }
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

QTextLayout& TextFlow::wholeLayout(const Piece& piece, Breaks breaks) const
{
    if (!piece.shaped) {
        piece.shaped = shape(piece, 0, int(piece.text.size()));
        piece.breaks = Breaks::None;
    }
    if (piece.breaks != breaks) {
        breakLines(*piece.shaped, breaks);
        piece.breaks = breaks;
    }
    return *piece.shaped;
}

double TextFlow::pieceNaturalWidth(const Piece& piece) const
{
    if (piece.natural < 0) {
        if (piece.text.isEmpty()) {
            piece.natural = 0;
        } else if (const double figure = piece.plain && m_measures
                                             ? m_measures->figureWidth(piece.font, piece.text)
                                             : -1;
                   figure >= 0) {
            piece.natural = figure;
        } else if (piece.plain) {
            GTextMeasures::Widths* kept =
                m_measures ? &m_measures->find(piece.font, piece.text) : nullptr;
            if (kept && kept->natural >= 0) {
                piece.natural = kept->natural;
            } else {
                piece.natural = QFontMetricsF(piece.font).horizontalAdvance(piece.text);
                if (kept)
                    kept->natural = piece.natural;
            }
        } else {
            // One font: the advance with trailing spaces, as the font measures
            // the text; mixed fonts: the text without them.
            const QTextLine line = wholeLayout(piece, Breaks::Unbroken).lineAt(0);
            piece.natural =
                piece.segments.size() == 1 ? line.horizontalAdvance() : line.naturalTextWidth();
        }
    }
    return piece.natural;
}

GTextMeasures::LineMetrics TextFlow::lineMetrics(const QFont& font) const
{
    return m_measures ? m_measures->lineMetrics(font) : GTextMeasures::measureLine(font);
}

double TextFlow::pieceWidthBound(const Piece& piece) const
{
    if (piece.natural >= 0 || !piece.plain || !m_measures)
        return pieceNaturalWidth(piece);
    const double bound = m_measures->upperBound(piece.font, piece.text);
    return std::isfinite(bound) ? bound : pieceNaturalWidth(piece);
}

double TextFlow::naturalWidthBound() const
{
    double widest = 0;
    for (const Piece& piece : m_pieces)
        widest = std::max(widest, pieceWidthBound(piece));
    return widest;
}

double TextFlow::minimumWidthBound() const
{
    double widest = 0;
    for (const Piece& piece : m_pieces) {
        double bound = piece.minimum;
        if (bound < 0 && piece.plain && m_measures) {
            bound = m_measures->widestWordBound(piece.font, piece.text);
            // No part is wider than the whole.
            if (piece.natural >= 0)
                bound = std::min(bound, piece.natural);
        }
        if (bound < 0 || !std::isfinite(bound))
            return minimumWidth();
        widest = std::max(widest, bound);
    }
    return widest;
}

double TextFlow::naturalWidth() const
{
    double widest = 0;
    for (const Piece& piece : m_pieces)
        widest = std::max(widest, pieceNaturalWidth(piece));
    return widest;
}

double TextFlow::minimumWidth() const
{
    // At no width at all each line holds a single unbreakable part.
    double widest = 0;
    for (const Piece& piece : m_pieces) {
        if (piece.text.isEmpty())
            continue;
        GTextMeasures::Widths* kept = piece.minimum < 0 && piece.plain && m_measures
                                          ? &m_measures->find(piece.font, piece.text)
                                          : nullptr;
        if (kept && kept->minimum >= 0)
            piece.minimum = kept->minimum;
        if (piece.minimum < 0 && piece.plain) {
            // Each part between two places the line may break, measured
            // without its trailing spaces, as a layout at no width holds it.
            piece.minimum = 0;
            const QFontMetricsF metrics(piece.font);
            QTextBoundaryFinder finder(QTextBoundaryFinder::Line, piece.text);
            qsizetype start = 0;
            for (qsizetype next = finder.toNextBoundary(); next > 0;
                 next = finder.toNextBoundary()) {
                qsizetype end = next;
                while (end > start && piece.text.at(end - 1).isSpace())
                    --end;
                if (end > start)
                    piece.minimum =
                        std::max(piece.minimum,
                                 metrics.horizontalAdvance(piece.text.mid(start, end - start)));
                start = next;
            }
            if (kept)
                kept->minimum = piece.minimum;
        }
        if (piece.minimum < 0) {
            piece.minimum = 0;
            const QTextLayout& layout = wholeLayout(piece, Breaks::Narrowest);
            for (int i = 0; i < layout.lineCount(); ++i)
                piece.minimum = std::max(piece.minimum, layout.lineAt(i).naturalTextWidth());
        }
        widest = std::max(widest, piece.minimum);
    }
    return widest;
}

void TextFlow::wrapInWindows(Piece& piece, int pieceIndex,
                             const std::function<double(double)>& place)
{
    // Every window's last line may go on past it: it starts the next window,
    // so the lines come out as one layout of the whole piece would break them.
    piece.windows.clear();
    const int total = int(piece.text.size());
    int start = 0;
    int window = WindowLength;
    while (start < total) {
        const int length = std::min(window, total - start);
        auto layout = shape(piece, start, length);
        breakLines(*layout, Breaks::Wrapped);
        const bool last = start + length >= total;
        int keep = layout->lineCount();
        if (!last && keep < 2) {
            // One line longer than the window: try a wider one.
            window *= 2;
            continue;
        }
        if (!last)
            --keep;
        const int part = int(piece.windows.size());
        for (int i = 0; i < keep; ++i) {
            const QTextLine line = layout->lineAt(i);
            m_lines.push_back({pieceIndex, part, i, place(line.naturalTextWidth()), 0,
                               line.height(), start + line.textStart(), line.textLength()});
        }
        const int next = last ? total : start + layout->lineAt(keep).textStart();
        piece.windows.push_back({start, std::move(layout)});
        start = next;
        window = WindowLength;
    }
}

void TextFlow::layOut(double width, int hAlign)
{
    m_width = width;
    m_lines.clear();
    m_height = 0;
    const auto place = [&](double lineWidth) {
        if (hAlign == 2)
            return (width - lineWidth) / 2;
        if (hAlign == 3)
            return width - lineWidth;
        return 0.0;
    };
    for (size_t p = 0; p < m_pieces.size(); ++p) {
        Piece& piece = m_pieces[p];
        piece.drawn = Breaks::None;
        if (piece.text.isEmpty()) {
            m_lines.push_back({int(p), 0, 0, 0, 0, lineMetrics(piece.font).spacing, 0, 0});
            continue;
        }
        piece.windows.clear();
        // A text whose bound fits fits; one aligned left needs no width.
        if (piece.segments.size() == 1 &&
            (!m_wrap || pieceWidthBound(piece) <= width || pieceNaturalWidth(piece) <= width)) {
            // One font that fits: no need to break the line.
            piece.drawn = Breaks::Unbroken;
            const double x = hAlign == 2 || hAlign == 3 ? place(pieceNaturalWidth(piece)) : 0.0;
            const GTextMeasures::LineMetrics metrics = lineMetrics(piece.font);
            m_lines.push_back(
                {int(p), 0, 0, x, 0, metrics.spacing, 0, int(piece.text.size()), metrics.ascent});
        } else if (m_wrap && piece.text.size() > WindowLength) {
            piece.drawn = Breaks::Wrapped;
            wrapInWindows(piece, int(p), place);
        } else if (m_wrap && piece.plain && m_measures) {
            // Broken as the same text at the same width was before, else
            // broken now and kept for the next composition.
            piece.drawn = Breaks::Wrapped;
            GTextMeasures::Widths& kept = m_measures->find(piece.font, piece.text);
            if (!kept.wrapped || kept.wrapped->width != width) {
                const QTextLayout& layout = wholeLayout(piece, Breaks::Wrapped);
                auto broken = std::make_shared<GTextMeasures::BrokenLines>();
                broken->width = width;
                broken->lines.reserve(size_t(layout.lineCount()));
                for (int i = 0; i < layout.lineCount(); ++i) {
                    const QTextLine line = layout.lineAt(i);
                    broken->lines.push_back({line.textStart(), line.textLength(),
                                             line.naturalTextWidth(), line.height()});
                }
                kept.wrapped = std::move(broken);
            }
            const auto& lines = kept.wrapped->lines;
            for (size_t i = 0; i < lines.size(); ++i)
                m_lines.push_back({int(p), 0, int(i), place(lines[i].width), 0, lines[i].height,
                                   lines[i].start, lines[i].length});
        } else {
            piece.drawn = m_wrap ? Breaks::Wrapped : Breaks::Unbroken;
            const QTextLayout& layout = wholeLayout(piece, piece.drawn);
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine line = layout.lineAt(i);
                m_lines.push_back({int(p), 0, i, place(line.naturalTextWidth()), 0, line.height(),
                                   line.textStart(), line.textLength()});
            }
        }
    }
    for (Line& line : m_lines) {
        line.y = m_height;
        m_height += line.height;
    }
}

int TextFlow::firstLineFrom(double y) const
{
    const auto it = std::lower_bound(m_lines.begin(), m_lines.end(), y,
                                     [](const Line& line, double value) { return line.y < value; });
    return int(it - m_lines.begin());
}

int TextFlow::lineAt(double y) const
{
    const auto it = std::upper_bound(m_lines.begin(), m_lines.end(), y,
                                     [](double value, const Line& line) { return value < line.y; });
    return int(it - m_lines.begin()) - 1;
}

QString TextFlow::lineText(int line) const
{
    const Line& l = m_lines[size_t(line)];
    return m_pieces[size_t(l.piece)].text.mid(l.start, l.length);
}

QString TextFlow::text() const
{
    QStringList lines;
    for (const Piece& piece : m_pieces)
        lines.append(piece.text);
    return lines.join(QLatin1Char('\n'));
}

const QTextLayout& TextFlow::drawLayout(const Line& line) const
{
    const Piece& piece = m_pieces[size_t(line.piece)];
    if (!piece.windows.empty())
        return *piece.windows[size_t(line.part)].layout;
    // Measuring after the layout broke the lines otherwise: break them again.
    return wholeLayout(piece, piece.drawn);
}

void TextFlow::drawLine(QPainter& painter, int line, QPointF topLeft) const
{
    const Line& l = m_lines[size_t(line)];
    const Piece& piece = m_pieces[size_t(l.piece)];
    if (piece.text.isEmpty() || piece.drawn == Breaks::None)
        return;
    if (piece.plain && piece.drawn == Breaks::Unbroken) {
        const Segment& segment = piece.segments.front();
        // Cells mostly share their font and colour: changing the painter's
        // state only when they differ spares the device a state change.
        if (painter.font() != segment.font)
            painter.setFont(segment.font);
        if (painter.pen().color() != segment.colour || painter.pen().style() != Qt::SolidLine)
            painter.setPen(segment.colour);
        // A figure is drawn from the glyphs it was measured by.
        QGlyphRun run;
        if (m_measures && m_measures->figureRun(segment.font, piece.text, run))
            painter.drawGlyphRun(topLeft + QPointF(l.x, l.ascent), run);
        else
            painter.drawText(topLeft + QPointF(l.x, l.ascent), piece.text);
        return;
    }
    const QTextLayout& layout = drawLayout(l);
    if (l.lineInPart >= layout.lineCount())
        return;
    const QTextLine qline = layout.lineAt(l.lineInPart);
    qline.draw(&painter, topLeft + QPointF(l.x, -qline.y()));
}

void TextFlow::draw(QPainter& painter, QPointF topLeft) const
{
    for (int i = 0; i < lineCount(); ++i)
        drawLine(painter, i, topLeft + QPointF(0, m_lines[size_t(i)].y));
}

void TextFlow::drawBetween(QPainter& painter, QPointF topLeft, double from, double to) const
{
    for (int i = std::max(0, lineAt(from)); i < lineCount() && m_lines[size_t(i)].y < to; ++i)
        drawLine(painter, i, topLeft + QPointF(0, m_lines[size_t(i)].y));
}
