#include "DocumentTemplates.h"

#include "Document.h"
#include "JobDoc.h"
#include "JobInvoiceDoc.h"
#include "fileformat/TextFile.h"
#include "records/DocumentKind.h"
#include "resources/StringTable.h"

#include <QFileInfo>

void DocumentTemplates::registerJobTemplates(CustomerStore* customers)
{
    for (const DocumentKind* kind : DocumentKind::all()) {
        const DocumentKind::Id id = kind->id;
        const bool invoice = kind->page == DocumentKind::InvoicePage;
        add(std::make_unique<DocumentTemplate>(
            *kind, [id, invoice, customers]() -> std::unique_ptr<Document> {
                std::unique_ptr<JobBaseDoc> document;
                if (invoice)
                    document = std::make_unique<JobInvoiceDoc>(id);
                else
                    document = std::make_unique<JobDoc>(id);
                document->setCustomerStore(customers);
                return document;
            }));
    }
}

DocumentTemplate* DocumentTemplates::add(std::unique_ptr<DocumentTemplate> documentTemplate)
{
    m_templates.push_back(std::move(documentTemplate));
    return m_templates.back().get();
}

DocumentTemplate* DocumentTemplates::byResource(int resourceId) const
{
    for (const auto& t : m_templates)
        if (t->resourceId() == resourceId)
            return t.get();
    return nullptr;
}

DocumentTemplate* DocumentTemplates::forPath(const QString& path) const
{
    for (const auto& t : m_templates)
        if (t->matchesPath(path))
            return t.get();
    return nullptr;
}

std::unique_ptr<Document> DocumentTemplates::openDocumentFile(const QString& path,
                                                              QString* error) const
{
    DocumentTemplate* kind = forPath(path);
    if (!QFileInfo(path).isFile() || !kind) {
        QString reason;
        if (!kind) {
            // "estimates (.vle), invoices (.vli), ... and credit notes (.vln)"
            QStringList kinds;
            for (const DocumentKind* k : DocumentKind::all())
                kinds << QStringLiteral("%1s (.%2)")
                             .arg(QString::fromLatin1(k->title).toLower(),
                                  QLatin1String(k->extension));
            const QString last = kinds.takeLast();
            reason = QStringLiteral("Vorlane opens %1 and %2.")
                         .arg(kinds.join(QLatin1String(", ")), last);
        }
        if (error)
            *error = TextFile::invalidFileMessage(path, reason);
        return nullptr;
    }
    std::unique_ptr<Document> document = kind->createDocument();
    if (!document || !document->onOpenDocument(path, error))
        return nullptr;
    return document;
}

void DocumentTemplates::updateAllDocumentViews(DocumentView* sender, UpdateHint hint) const
{
    for (const auto& t : m_templates) {
        const std::vector<Document*> documents = t->documents();
        for (Document* document : documents)
            document->updateAllViews(sender, hint);
    }
}
