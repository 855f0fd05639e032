#include "DocumentTemplate.h"

#include "Document.h"

#include <QStringList>
#include <algorithm>

DocumentTemplate::DocumentTemplate(int resourceId, const QString& documentString, Factory factory)
    : m_resourceId(resourceId), m_fields(documentString.split(u'\n')), m_factory(std::move(factory))
{
}

QString DocumentTemplate::docString(DocStringIndex index) const
{
    return index < m_fields.size() ? m_fields.at(index) : QString();
}

QString DocumentTemplate::extension() const
{
    QString ext = docString(FilterExt);
    if (ext.startsWith(u'.'))
        ext.remove(0, 1);
    return ext;
}

bool DocumentTemplate::matchesPath(const QString& path) const
{
    const QString ext = extension();
    // Files copied from systems that ignore case may carry ".VLE".
    return !ext.isEmpty() && path.endsWith(u'.' + ext, Qt::CaseInsensitive);
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
