#include "TextFlow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace {

double lineSpacing(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return metrics.ascent() + metrics.descent() + std::max(0.0, metrics.leading());
}

} // namespace

TextFlow::TextFlow(const std::vector<GTextRun>& runs, bool wrap) : m_wrap(wrap)
{
    Piece current;
    bool started = false;
    for (const GTextRun& run : runs) {
        const QStringList parts = run.text.split(QLatin1Char('\n'));
        for (qsizetype k = 0; k < parts.size(); ++k) {
            if (k > 0) {
                // The "\n" that ends a piece gives an empty piece its height.
                if (current.text.isEmpty())
                    current.font = run.font;
                m_pieces.push_back(std::move(current));
                current = Piece();
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
}

std::unique_ptr<QTextLayout> TextFlow::buildLayout(const Piece& piece, bool wrap) const
{
    return wrap ? buildLayout(piece, QTextOption::WrapAtWordBoundaryOrAnywhere,
                              std::max(1.0, m_width))
                : buildLayout(piece, QTextOption::NoWrap, 1e9);
}

std::unique_ptr<QTextLayout> TextFlow::buildLayout(const Piece& piece, QTextOption::WrapMode mode,
                                                   double lineWidth) const
{
    auto layout = std::make_unique<QTextLayout>(piece.text, piece.font);
    QTextOption option;
    option.setWrapMode(mode);
    layout->setTextOption(option);
    QList<QTextLayout::FormatRange> formats;
    formats.reserve(qsizetype(piece.segments.size()));
    for (const Segment& segment : piece.segments) {
        QTextLayout::FormatRange range;
        range.start = segment.start;
        range.length = segment.length;
        range.format.setFont(segment.font, QTextCharFormat::FontPropertiesAll);
        range.format.setForeground(segment.colour);
        formats.append(range);
    }
    layout->setFormats(formats);
    layout->beginLayout();
    double y = 0;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

double TextFlow::pieceNaturalWidth(const Piece& piece) const
{
    if (piece.natural < 0) {
        if (piece.text.isEmpty()) {
            piece.natural = 0;
        } else if (piece.segments.size() == 1) {
            piece.natural = QFontMetricsF(piece.font).horizontalAdvance(piece.text);
        } else {
            const auto layout = buildLayout(piece, false);
            piece.natural = layout->lineAt(0).naturalTextWidth();
        }
    }
    return piece.natural;
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
        const auto layout = buildLayout(piece, QTextOption::WordWrap, 0);
        for (int i = 0; i < layout->lineCount(); ++i)
            widest = std::max(widest, layout->lineAt(i).naturalTextWidth());
    }
    return widest;
}

void TextFlow::layOut(double width, int hAlign)
{
    m_width = width;
    m_lines.clear();
    m_height = 0;
    m_drawLayout.reset();
    m_drawPiece = -1;
    const auto place = [&](double lineWidth) {
        if (hAlign == 2)
            return (width - lineWidth) / 2;
        if (hAlign == 3)
            return width - lineWidth;
        return 0.0;
    };
    for (size_t p = 0; p < m_pieces.size(); ++p) {
        const Piece& piece = m_pieces[p];
        if (piece.text.isEmpty()) {
            m_lines.push_back({int(p), 0, 0, lineSpacing(piece.font), 0, 0});
        } else if (piece.segments.size() == 1 && (!m_wrap || pieceNaturalWidth(piece) <= width)) {
            // One font that fits: no need to break the line.
            m_lines.push_back({int(p), 0, place(pieceNaturalWidth(piece)), lineSpacing(piece.font),
                               0, int(piece.text.size())});
        } else {
            const auto layout = buildLayout(piece, m_wrap);
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                m_lines.push_back({int(p), i, place(line.naturalTextWidth()), line.height(),
                                   line.textStart(), line.textLength()});
            }
        }
    }
    for (const Line& line : m_lines)
        m_height += line.height;
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

void TextFlow::drawLine(QPainter& painter, int line, QPointF topLeft) const
{
    const Line& l = m_lines[size_t(line)];
    const Piece& piece = m_pieces[size_t(l.piece)];
    if (piece.text.isEmpty())
        return;
    if (m_drawPiece != l.piece || !m_drawLayout) {
        const bool wrap =
            m_wrap && (piece.segments.size() != 1 || pieceNaturalWidth(piece) > m_width);
        m_drawLayout = buildLayout(piece, wrap);
        m_drawPiece = l.piece;
    }
    if (l.lineInPiece >= m_drawLayout->lineCount())
        return;
    const QTextLine qline = m_drawLayout->lineAt(l.lineInPiece);
    qline.draw(&painter, topLeft + QPointF(l.x, -qline.y()));
}

void TextFlow::draw(QPainter& painter, QPointF topLeft) const
{
    for (int i = 0; i < lineCount(); ++i) {
        drawLine(painter, i, topLeft);
        topLeft.ry() += m_lines[size_t(i)].height;
    }
    // Drawn whole: keep no glyphs, or every cell of a long document would
    // hold its layout once its page has been drawn.
    m_drawLayout.reset();
    m_drawPiece = -1;
}
