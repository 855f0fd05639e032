#include "DocumentTemplates.h"

#include "Document.h"
#include "JobEstimateDoc.h"
#include "JobInvoiceDoc.h"
#include "JobQuoteDoc.h"
#include "fileformat/TextFile.h"
#include "foundation/OMFileInfo.h"
#include "resources/StringTable.h"

namespace {

template <typename Doc> DocumentTemplate::Factory jobFactory(CustomerStore* customers)
{
    return [customers] {
        auto document = std::make_unique<Doc>();
        document->setCustomerStore(customers);
        return document;
    };
}

} // namespace

void DocumentTemplates::registerJobTemplates(CustomerStore* customers)
{
    add(std::make_unique<DocumentTemplate>(
        EstimateResource,
        QStringLiteral("\nEstimate\nEstimate\nVorlane Estimate Files (*.vle)\n.vle\n"
                       "VorlaneEstimate.Document\nVorlaneEstimate.Document"),
        jobFactory<JobEstimateDoc>(customers)));
    add(std::make_unique<DocumentTemplate>(
        InvoiceResource,
        QStringLiteral("\nInvoice\nInvoice\nVorlane Invoice Files (*.vli)\n.vli\n"
                       "VorlaneInvoice.Document\nVorlaneInvoice.Document"),
        jobFactory<JobInvoiceDoc>(customers)));
    add(std::make_unique<DocumentTemplate>(
        QuoteResource,
        QStringLiteral("\nQuote\nQuote\nVorlane Quote Files (*.vlq)\n.vlq\n"
                       "VorlaneQuote.Document\nVorlaneQuote.Document"),
        jobFactory<JobQuoteDoc>(customers)));
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
    if (!ombrel::OMFileInfo::isFile(ombrel::OMString::fromQString(path)) || !kind) {
        const QString reason =
            kind ? QString()
                 : QStringLiteral("Vorlane opens estimates (.vle), quotes (.vlq) and "
                                  "invoices (.vli).");
        if (error)
            *error = TextFile::invalidFileMessage(path, reason);
        return nullptr;
    }
    std::unique_ptr<Document> document = kind->createDocument();
    if (!document || !document->OnOpenDocument(path, error))
        return nullptr;
    return document;
}

void DocumentTemplates::UpdateAllDocumentViews(DocumentView* sender, UpdateHint hint) const
{
    for (const auto& t : m_templates) {
        const std::vector<Document*> documents = t->documents();
        for (Document* document : documents)
            document->UpdateAllViews(sender, hint);
    }
}
