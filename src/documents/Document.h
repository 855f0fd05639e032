#pragma once

#include "UpdateHint.h"

#include <QObject>
#include <QString>
#include <vector>

class Archive;
class DocumentView;
class DocumentTemplate;

/**
 * A document of the program: a path, a title, a modified flag and the views
 * attached to it. Subclasses read and write their contents in serialize().
 * The operations keep the order of steps of a classic document/view framework
 * so that subclasses override the same hooks: onNewDocument, onOpenDocument,
 * onSaveDocument, onCloseDocument.
 */
class Document : public QObject
{
    Q_OBJECT

public:
    ~Document() override;

    const QString& path() const { return m_path; }
    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified = true);
    DocumentTemplate* documentTemplate() const { return m_template; }
    void setDocumentTemplate(DocumentTemplate* owner) { m_template = owner; }

    void addView(DocumentView* view);
    void removeView(DocumentView* view);
    const std::vector<DocumentView*>& views() const { return m_views; }
    /// Tells every view but `sender`.
    void updateAllViews(DocumentView* sender, UpdateHint hint);
    /// Asks every view to put what it shows into the record before a save;
    /// false as soon as one cannot, and the save must stop.
    bool prepareViewsForSave();

    // Each operation that can fail returns false and puts the message to show
    // in `error` (when given); the caller shows it.

    /// Makes the document new and empty.
    virtual bool onNewDocument(QString* error = nullptr);
    /// Reads the document from `path`.
    virtual bool onOpenDocument(const QString& path, QString* error = nullptr);
    /// Writes the document to `path` atomically; a failed write's message is
    /// "File save error." and the reason the system gave.
    virtual bool onSaveDocument(const QString& path, QString* error = nullptr);
    /// The document is about to be destroyed.
    virtual void onCloseDocument();

    /// Reads from or writes to `archive`.
    virtual bool serialize(Archive& archive, QString* error) = 0;

signals:
    /// The modified flag changed, so the window can offer Save the moment
    /// there is something to save.
    void modifiedChanged(bool modified);

protected:
    Document() = default;
    /// Sets the path and a title from the file name.
    void setPath(const QString& path);

private:
    QString m_path;
    QString m_title;
    bool m_modified = false;
    DocumentTemplate* m_template = nullptr;
    std::vector<DocumentView*> m_views;
};
