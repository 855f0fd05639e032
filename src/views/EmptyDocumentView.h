#pragma once

#include "documents/DocumentView.h"

#include <QWidget>

/**
 * The view of a document whose edit view does not exist yet: a blank page
 * that still takes part in the document's updates.
 */
class EmptyDocumentView : public QWidget, public DocumentView
{
    Q_OBJECT
public:
    explicit EmptyDocumentView(QWidget* parent = nullptr);

    void OnUpdate(DocumentView* sender, int hint, void* object) override;
    /// The last hint received; -1 before any.
    int lastHint() const { return m_lastHint; }

private:
    int m_lastHint = -1;
};
