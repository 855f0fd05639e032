#include "Document.h"

#include "DocumentTemplate.h"
#include "DocumentView.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "foundation/MessageHook.h"
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

void Document::UpdateAllViews(DocumentView* sender, UpdateHint hint)
{
    // A view may close itself while being told; walk a copy.
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views)
        if (view != sender)
            view->OnUpdate(sender, hint);
}

bool Document::PrepareViewsForSave()
{
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views)
        if (!view->OnBeforeSave())
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

bool Document::OnNewDocument()
{
    m_path.clear();
    setModified(false);
    return true;
}

bool Document::OnOpenDocument(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!TextFile::load(path, bytes, &error)) {
        // The file vanished or cannot be read since it was chosen.
        MessageHook::show(ombrel::OMString::fromQString(TextFile::invalidFileMessage(path, error)),
                          MessageHook::Error, MessageHook::Ok);
        return false;
    }
    Archive archive = Archive::forReading(bytes);
    if (!Serialize(archive))
        return false;
    setPath(path);
    setModified(false);
    return true;
}

bool Document::OnSaveDocument(const QString& path)
{
    Archive archive = Archive::forWriting();
    if (!Serialize(archive))
        return false;
    QString reason;
    if (!TextFile::save(path, archive.data(), &reason)) {
        MessageHook::show(StringTable::text(IDS_FILE_SAVE_ERROR) + "\n\n" +
                              ombrel::OMString::fromQString(reason),
                          MessageHook::Error, MessageHook::Ok);
        return false;
    }
    setPath(path);
    setModified(false);
    return true;
}

void Document::OnCloseDocument()
{
}

void Document::setPath(const QString& path)
{
    m_path = path;
    m_title = QFileInfo(path).fileName();
}
