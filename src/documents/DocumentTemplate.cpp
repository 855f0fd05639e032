#include "DocumentTemplate.h"

#include "Document.h"

#include "records/DocumentKind.h"
#include <algorithm>

DocumentTemplate::DocumentTemplate(const DocumentKind& kind, Factory factory)
    : m_kind(&kind), m_resourceId(kind.resourceId), m_factory(std::move(factory))
{
}

DocumentTemplate::DocumentTemplate(int resourceId, Factory factory)
    : m_resourceId(resourceId), m_factory(std::move(factory))
{
}

QString DocumentTemplate::newDocumentName() const
{
    return m_kind ? QString::fromLatin1(m_kind->title) : QString();
}

QString DocumentTemplate::extension() const
{
    return m_kind ? QString::fromLatin1(m_kind->extension) : QString();
}

bool DocumentTemplate::matchesPath(const QString& path) const
{
    return m_kind && m_kind->matchesPath(path);
}

std::unique_ptr<Document> DocumentTemplate::createDocument()
{
    if (!m_factory)
        return nullptr;
    std::unique_ptr<Document> document = m_factory();
    if (document) {
        document->setDocumentTemplate(this);
        m_documents.push_back(document.get());
    }
    return document;
}

void DocumentTemplate::removeDocument(Document* document)
{
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), document),
                      m_documents.end());
}
