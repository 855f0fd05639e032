#include "RecentFileList.h"

#include "settings/SettingsStore.h"

#include <QFileInfo>

using ombrel::OMString;

RecentFileList::RecentFileList(QObject* parent) : QObject(parent)
{
}

QStringList RecentFileList::files() const
{
    QStringList result;
    for (const StringSetting& entry : SettingKeys::RecentFiles) {
        const QString path = SettingsStore::get(entry).toQString();
        if (!path.isEmpty())
            result.append(path);
    }
    return result;
}

void RecentFileList::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list);
}

void RecentFileList::remove(const QString& path)
{
    QStringList list = files();
    if (list.removeAll(QFileInfo(path).absoluteFilePath()) + list.removeAll(path) > 0)
        store(list);
}

void RecentFileList::store(const QStringList& list)
{
    // Saving the file already first in the list changes nothing.
    if (list.mid(0, int(std::size(SettingKeys::RecentFiles))) == files())
        return;
    int i = 0;
    for (const StringSetting& entry : SettingKeys::RecentFiles)
        SettingsStore::set(entry, OMString::fromQString(list.value(i++)));
    emit changed();
}
