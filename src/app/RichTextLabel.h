#pragma once

#include <QColor>
#include <QLabel>

/**
 * A prompt written in simple HTML (bold, paragraphs, links), wrapped to its
 * width. Links open in the desktop's browser.
 */
class RichTextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit RichTextLabel(const QString& html = QString(), QWidget* parent = nullptr);

    void setHtml(const QString& html);
    /// An invalid colour leaves the background to the window behind.
    void setBackgroundColour(const QColor& colour);
};
