#pragma once

#include <QColor>
#include <QLabel>

/**
 * A label with its own text and background colours and an optional sunken
 * frame: the customer number, the days on site, the options' samples. An
 * invalid colour means the palette's own.
 */
class ColourLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ColourLabel(QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
    void setBackgroundColour(const QColor& colour);
    /// A sunken frame around the text, as a read-only field has.
    void setSunken(bool sunken);

private:
    void applyColours();

    QColor m_text;
    QColor m_background;
};
