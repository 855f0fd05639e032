#include "LedgerFolders.h"

#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

QStringList LedgerFolders::current()
{
    // The folder a first save proposes, and the one last used (a folder of
    // its own when the user keeps documents elsewhere). Without a documents
    // folder the first is the home folder, which is not searched through.
    QStringList folders;
    const QString documents = QDir::cleanPath(SettingsStore::documentsFolder());
    if (documents != QDir::cleanPath(QDir::homePath()))
        folders << documents;
    folders << QDir::cleanPath(SettingsStore::lastDocumentFolder());
    for (const QString& folder : added())
        if (QFileInfo(folder).isDir())
            folders << QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

QStringList LedgerFolders::added()
{
    return SettingsStore::get(SettingKeys::OverviewFolders)
        .toQString()
        .split(u'|', Qt::SkipEmptyParts);
}

bool LedgerFolders::setAdded(const QStringList& folders, QString* error)
{
    return SettingsStore::set(SettingKeys::OverviewFolders,
                              ombrel::OMString::fromQString(folders.join(u'|')), error);
}
