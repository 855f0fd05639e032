#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class Document;

/**
 * One kind of document: its resource id, the fields of its document string
 * (window title, document name, new-file name, filter name, extension,
 * type id, type name), how to make an empty document of it, and the
 * documents of it that are open now.
 */
class DocumentTemplate
{
public:
    using Factory = std::function<std::unique_ptr<Document>()>;

    enum DocStringIndex {
        WindowTitle,
        DocName,
        FileNewName,
        FilterName,
        FilterExt,
        RegFileTypeId,
        RegFileTypeName,
    };

    DocumentTemplate(int resourceId, const QString& documentString, Factory factory);

    int resourceId() const { return m_resourceId; }
    /// One field of the document string; empty when it has none.
    QString docString(DocStringIndex index) const;
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
    int m_resourceId;
    QStringList m_fields;
    Factory m_factory;
    std::vector<Document*> m_documents;
};
