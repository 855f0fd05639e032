#pragma once

#include "documents/DocumentView.h"

#include <QWidget>

class Document;

/**
 * The view of a document whose edit view does not exist yet: a quiet page
 * naming the document, which still takes part in the document's updates.
 */
class EmptyDocumentView : public QWidget, public DocumentView
{
    Q_OBJECT
public:
    explicit EmptyDocumentView(const Document& document, QWidget* parent = nullptr);

    void OnUpdate(DocumentView* sender, int hint, void* object) override;
    /// The last hint received; -1 before any.
    int lastHint() const { return m_lastHint; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Document& m_document;
    int m_lastHint = -1;
};
