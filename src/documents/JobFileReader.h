#pragma once

#include "fileformat/TextFile.h"

#include <QString>
#include <memory>

class JobBase;

/// Reads a document file into a record outside any open document.
class JobFileReader
{
public:
    /// "Invalid Estimate file." and the file, which is not a document of that kind.
    static QString invalidKindMessage(const JobBase& record, const QString& path);
    /// False, with the message in `error` ("The file %1 is invalid." or
    /// "Invalid %s file."), when the file cannot be read or names another kind;
    /// the record is then as it was.
    static bool read(JobBase& record, const QString& path, QString* error = nullptr);
    /// As read, from one look at the path, which `facts` gives back: a path
    /// that is no plain file is not opened (false, and `error` left as it is).
    static bool readFile(JobBase& record, const QString& path, TextFile::Facts& facts,
                         QString* error = nullptr);
    /// An empty record of the kind the path's extension names, in any case;
    /// null for any other.
    static std::unique_ptr<JobBase> recordFor(const QString& path);
    /// The record of the kind `path` names, read from it; null, with the
    /// message in `error`, when the path names no kind or no readable file.
    static std::unique_ptr<JobBase> load(const QString& path, QString* error);
};
