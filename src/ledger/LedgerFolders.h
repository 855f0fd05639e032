#pragma once

#include <QStringList>

/**
 * The folders the documents overview lists, as the settings keep them: the
 * documents folder, the folder last used and the folders the user added. Read on the thread that
 * owns the settings (the window's), then handed to the scan.
 */
class LedgerFolders
{
public:
    /// The documents folder, the folder last used for documents, then the
    /// added folders that exist, each once.
    static QStringList current();
    /// The folders the user added, as stored.
    static QStringList added();
    static bool setAdded(const QStringList& folders, QString* error = nullptr);
};
