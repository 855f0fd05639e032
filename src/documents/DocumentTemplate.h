#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class Document;
class DocumentKind;

/**
 * The open side of a kind of document: its resource id, how to make an empty
 * document of it, and the documents of it that are open now. A kind with files
 * describes itself in its DocumentKind; the start page has none.
 */
class DocumentTemplate
{
public:
    using Factory = std::function<std::unique_ptr<Document>()>;

    DocumentTemplate(const DocumentKind& kind, Factory factory);
    /// A kind of window without files of its own.
    DocumentTemplate(int resourceId, Factory factory);

    int resourceId() const { return m_resourceId; }
    /// The kind of document, or null for a window without files.
    const DocumentKind* kind() const { return m_kind; }
    /// The kind's name for a new document ("Estimate"); empty without a kind.
    QString newDocumentName() const;
    /// The extension without its point ("vle"); empty for a kind without files.
    QString extension() const;
    /// Whether `path` ends in this kind's extension (compared exactly).
    bool matchesPath(const QString& path) const;

    /// A new empty document of this kind, counted among the open ones.
    std::unique_ptr<Document> createDocument();
    /// Documents of this kind that are open now, in the order they were made.
    const std::vector<Document*>& documents() const { return m_documents; }
    void removeDocument(Document* document);

private:
    const DocumentKind* m_kind = nullptr;
    int m_resourceId;
    Factory m_factory;
    std::vector<Document*> m_documents;
};
