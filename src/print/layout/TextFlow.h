#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextLayout>
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
 * Only line breaks and heights are kept; drawing lays a line out again, so a
 * page of thousands of cells holds no glyph data.
 */
class TextFlow
{
public:
    TextFlow() = default;
    TextFlow(const std::vector<GTextRun>& runs, bool wrap);

    /// Breaks the lines for `width` units and aligns each (1 left, 2 centre, 3 right).
    void layOut(double width, int hAlign);

    bool isEmpty() const { return m_pieces.empty(); }
    /// The width of the widest line, unbroken.
    double naturalWidth() const;
    /// The narrowest width that breaks lines only where the text allows
    /// (spaces, and after "/" or "-"): the widest unbreakable part.
    double minimumWidth() const;
    double width() const { return m_width; }
    double height() const { return m_height; }
    int lineCount() const { return int(m_lines.size()); }
    double lineHeight(int line) const { return m_lines[size_t(line)].height; }
    QString lineText(int line) const;
    QString text() const;

    void drawLine(QPainter& painter, int line, QPointF topLeft) const;
    void draw(QPainter& painter, QPointF topLeft) const;

private:
    // Formats are made only when a piece is drawn or broken: a page of
    // thousands of cells keeps just a font and a colour per run.
    struct Segment
    {
        int start = 0;
        int length = 0;
        QFont font;
        QColor colour;
    };
    struct Piece
    {
        QString text;
        std::vector<Segment> segments;
        QFont font;
        mutable double natural = -1;
    };
    struct Line
    {
        int piece = 0;
        int lineInPiece = 0;
        double x = 0;
        double height = 0;
        int start = 0;
        int length = 0;
    };

    double pieceNaturalWidth(const Piece& piece) const;
    /// Wrapping at the laid-out width, or not at all.
    std::unique_ptr<QTextLayout> buildLayout(const Piece& piece, bool wrap) const;
    std::unique_ptr<QTextLayout> buildLayout(const Piece& piece, QTextOption::WrapMode mode,
                                             double lineWidth) const;

    std::vector<Piece> m_pieces;
    std::vector<Line> m_lines;
    bool m_wrap = true;
    double m_width = 0;
    double m_height = 0;
    mutable std::unique_ptr<QTextLayout> m_drawLayout;
    mutable int m_drawPiece = -1;
};
