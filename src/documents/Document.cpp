#include "Document.h"

#include "DocumentTemplate.h"
#include "DocumentView.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "resources/StringTable.h"

#include <QFileInfo>
#include <algorithm>

Document::~Document()
{
    if (m_template)
        m_template->removeDocument(this);
}

void Document::addView(DocumentView* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void Document::removeView(DocumentView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void Document::updateAllViews(DocumentView* sender, UpdateHint hint)
{
    // A view may close itself while being told; walk a copy.
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views)
        if (view != sender)
            view->onUpdate(sender, hint);
}

bool Document::prepareViewsForSave()
{
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views)
        if (!view->onBeforeSave())
            return false;
    return true;
}

void Document::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

bool Document::onNewDocument(QString*)
{
    m_path.clear();
    setModified(false);
    return true;
}

bool Document::onOpenDocument(const QString& path, QString* error)
{
    QByteArray bytes;
    QString reason;
    if (!TextFile::load(path, bytes, &reason)) {
        // The file vanished or cannot be read since it was chosen.
        if (error)
            *error = TextFile::invalidFileMessage(path, reason);
        return false;
    }
    Archive archive = Archive::forReading(bytes);
    if (!serialize(archive, error))
        return false;
    setPath(path);
    setModified(false);
    return true;
}

bool Document::onSaveDocument(const QString& path, QString* error)
{
    Archive archive = Archive::forWriting();
    if (!serialize(archive, error))
        return false;
    QString reason;
    if (!TextFile::save(path, archive.data(), &reason)) {
        if (error)
            *error = StringTable::text(IDS_FILE_SAVE_ERROR).toQString() + QStringLiteral("\n\n") +
                     reason;
        return false;
    }
    setPath(path);
    setModified(false);
    return true;
}

void Document::onCloseDocument()
{
}

void Document::setPath(const QString& path)
{
    m_path = path;
    m_title = QFileInfo(path).fileName();
}
