#include "EmptyDocumentView.h"

EmptyDocumentView::EmptyDocumentView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void EmptyDocumentView::OnUpdate(DocumentView*, int hint, void*)
{
    m_lastHint = hint;
}
