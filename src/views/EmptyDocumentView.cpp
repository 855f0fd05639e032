#include "EmptyDocumentView.h"

#include "documents/Document.h"

#include <QPainter>

EmptyDocumentView::EmptyDocumentView(const Document& document, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void EmptyDocumentView::OnUpdate(DocumentView*, int hint, void*)
{
    m_lastHint = hint;
    update();
}

void EmptyDocumentView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(rect(), Qt::AlignCenter, m_document.title());
}
