#pragma once

#include <QString>

class JobBase;

/// Reads a document file into a record outside any open document.
class JobFileReader
{
public:
    /// False, with the reason shown ("The file %1 is invalid." or
    /// "Invalid %s file."), when the file cannot be read or names another kind;
    /// the record is then as it was.
    static bool read(JobBase& record, const QString& path);
    /// The same without showing anything; the message goes to `error`.
    static bool readQuietly(JobBase& record, const QString& path, QString& error);
};
