#include "LedgerFolders.h"

#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

QStringList LedgerFolders::current()
{
    QStringList folders{QDir::cleanPath(SettingsStore::lastDocumentFolder())};
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
