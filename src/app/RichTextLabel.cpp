#include "RichTextLabel.h"

#include <QTextDocumentFragment>

RichTextLabel::RichTextLabel(const QString& html, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setOpenExternalLinks(true);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The prompt is read, not tabbed through, unless it carries a link.
    setFocusPolicy(Qt::NoFocus);
    setHtml(html);
}

void RichTextLabel::setHtml(const QString& html)
{
    setText(html);
    setAccessibleName(QTextDocumentFragment::fromHtml(html).toPlainText().simplified());
    setFocusPolicy(html.contains(QLatin1String("<a "), Qt::CaseInsensitive) ? Qt::TabFocus
                                                                            : Qt::NoFocus);
}

void RichTextLabel::setBackgroundColour(const QColor& colour)
{
    setAutoFillBackground(colour.isValid());
    if (colour.isValid()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, colour);
        setPalette(colours);
    }
}
