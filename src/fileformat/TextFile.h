#pragma once

#include <QByteArray>
#include <QString>

/// Whole-file reading and atomic writing of the program's text files.
class TextFile
{
public:
    /// Reads the file whole. False, with a reason in `error`, when it cannot.
    static bool load(const QString& path, QByteArray& bytes, QString* error = nullptr);
    /**
     * Replaces the file with `bytes` through a temporary file in the same
     * folder that is renamed over it once completely written and flushed, so
     * the file holds either its old or its new contents, never a part.
     */
    static bool save(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
