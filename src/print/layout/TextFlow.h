#pragma once

#include "GTextMeasures.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

/// A piece of text in one font and colour; "\n" in it breaks the line.
struct GTextRun
{
    QString text;
    QFont font;
    QColor colour;
};

/**
 * Runs of text broken into lines at "\n" and, when wrapping, at the width,
 * using Qt's text layout. A trailing "\n" ends the last line without adding an
 * empty one; an empty line is as high as the font of the "\n" that ends it.
 *
 * A piece of plain text in one font that fits on its line (most table cells)
 * is measured by the font's metrics and drawn as it is, keeping no layout.
 * Any other piece of text between "\n"s is shaped once: the same QTextLayout
 * measures its width unbroken, its narrowest width, breaks its lines and draws
 * them, so the flow keeps its glyphs until it is dropped. A very long piece is
 * broken in windows of a few thousand characters, each laid out on its own, so
 * that a long word without a break costs no more per line than a short one.
 */
class TextFlow
{
public:
    TextFlow() = default;
    TextFlow(const std::vector<GTextRun>& runs, bool wrap);
    /// One run of text, as a table cell holds it.
    TextFlow(const GTextRun& run, bool wrap);
    ~TextFlow();
    TextFlow(const TextFlow&) = delete;
    TextFlow& operator=(const TextFlow&) = delete;

    /// Widths of plain texts measured before (kept by the page across
    /// compositions): looked up before measuring, and filled.
    void setMeasures(GTextMeasures* measures) { m_measures = measures; }

    /// Breaks the lines for `width` units and aligns each (1 left, 2 centre, 3 right).
    void layOut(double width, int hAlign);

    bool isEmpty() const { return m_pieces.empty(); }
    /// The width of the widest line, unbroken.
    double naturalWidth() const;
    /// The narrowest width that breaks lines only where the text allows
    /// (spaces, and after "/" or "-"): the widest unbreakable part.
    double minimumWidth() const;
    /// Widths at least naturalWidth() and minimumWidth(), found without
    /// shaping where the page's measures can bound them (plain ASCII text),
    /// else the widths themselves. Comparing a bound first spares measuring
    /// a text that cannot matter (not the widest, clearly fitting).
    double naturalWidthBound() const;
    double minimumWidthBound() const;
    double height() const { return m_height; }
    int lineCount() const { return int(m_lines.size()); }
    double lineHeight(int line) const { return m_lines[size_t(line)].height; }
    /// The top of `line` below the top of the flow.
    double lineTop(int line) const { return m_lines[size_t(line)].y; }
    /// The first line whose top is at or below `y`; lineCount() when none is.
    int firstLineFrom(double y) const;
    /// The line that `y` falls in (its top at or above `y`); -1 above the first.
    int lineAt(double y) const;
    QString lineText(int line) const;
    QString text() const;

    void drawLine(QPainter& painter, int line, QPointF topLeft) const;
    void draw(QPainter& painter, QPointF topLeft) const;
    /// Draws only the lines that reach into `from` to `to` below the top.
    void drawBetween(QPainter& painter, QPointF topLeft, double from, double to) const;

    /// Pieces longer than this are broken in windows of this many characters.
    static constexpr int WindowLength = 2000;

private:
    // What the lines of a piece's shaped layout hold at the moment.
    enum class Breaks { None, Unbroken, Narrowest, Wrapped };

    struct Segment
    {
        int start = 0;
        int length = 0;
        QFont font;
        QColor colour;
    };
    /// One window of a long piece, wrapped on its own.
    struct Window
    {
        int start = 0;
        std::unique_ptr<QTextLayout> layout;
    };
    struct Piece
    {
        // Made with its font: a default QFont asks the application for its font.
        explicit Piece(const QFont& font) : font(font) {}

        QString text;
        std::vector<Segment> segments;
        QFont font;
        /// One font and nothing a text layout treats specially (tabs, control
        /// characters, right-to-left text): measured and drawn as it is.
        bool plain = false;
        mutable double natural = -1;
        mutable double minimum = -1;
        /// The piece shaped whole, and what its lines hold at the moment.
        mutable std::unique_ptr<QTextLayout> shaped;
        mutable Breaks breaks = Breaks::None;
        /// The breaks the drawn lines need.
        Breaks drawn = Breaks::None;
        /// A long piece's drawn lines, when it is wrapped.
        std::vector<Window> windows;
    };
    struct Line
    {
        int piece = 0;
        int part = 0;
        int lineInPart = 0;
        double x = 0;
        double y = 0;
        double height = 0;
        int start = 0;
        int length = 0;
        /// The font's ascent, for a line drawn as plain text.
        double ascent = 0;
    };

    /// Splits the runs into pieces at "\n".
    void build(const std::vector<GTextRun>& runs);
    /// The piece of one run without a "\n".
    void addLine(const GTextRun& run);
    double pieceNaturalWidth(const Piece& piece) const;
    /// The font's line height and ascent, from the page's measures when kept.
    GTextMeasures::LineMetrics lineMetrics(const QFont& font) const;
    /// At least pieceNaturalWidth(), measured only when it cannot be bounded.
    double pieceWidthBound(const Piece& piece) const;
    /// The piece's shaped layout, its lines broken as `breaks` says.
    QTextLayout& wholeLayout(const Piece& piece, Breaks breaks) const;
    std::unique_ptr<QTextLayout> shape(const Piece& piece, int start, int length) const;
    void breakLines(QTextLayout& layout, Breaks breaks) const;
    /// Wraps a long piece window by window; appends its lines.
    void wrapInWindows(Piece& piece, int pieceIndex, const std::function<double(double)>& place);
    const QTextLayout& drawLayout(const Line& line) const;

    std::vector<Piece> m_pieces;
    std::vector<Line> m_lines;
    bool m_wrap = true;
    GTextMeasures* m_measures = nullptr;
    double m_width = 0;
    double m_height = 0;
};
