#pragma once

#include "DocumentTemplate.h"
#include "UpdateHint.h"

#include <QString>
#include <memory>
#include <vector>

/**
 * The document kinds of the program, in the order they were registered.
 * The core registers the estimate, invoice and quote kinds; the window adds
 * the start page and attaches frames and views by resource id.
 */
class DocumentTemplates
{
public:
    static constexpr int StartPageResource = 133;

    /// Registers every DocumentKind in its order. Their documents store their
    /// customers in `customers`, if given.
    void registerJobTemplates(class CustomerStore* customers = nullptr);
    DocumentTemplate* add(std::unique_ptr<DocumentTemplate> documentTemplate);

    const std::vector<std::unique_ptr<DocumentTemplate>>& all() const { return m_templates; }
    DocumentTemplate* byResource(int resourceId) const;
    /// The kind whose extension `path` ends in, or null.
    DocumentTemplate* forPath(const QString& path) const;

    /**
     * Opens the document at `path` with the kind its extension names. A path
     * that is no existing file, or has no kind, is refused with "The file %1 is
     * invalid."; a file the document refuses leaves nothing behind. Null then,
     * with the message in `error`.
     */
    std::unique_ptr<Document> openDocumentFile(const QString& path, QString* error = nullptr) const;

    /// Tells every view of every open document.
    void updateAllDocumentViews(class DocumentView* sender, UpdateHint hint) const;

private:
    std::vector<std::unique_ptr<DocumentTemplate>> m_templates;
};
