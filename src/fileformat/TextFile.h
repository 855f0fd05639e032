#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

/// Whole-file reading and atomic writing of the program's text files.
class TextFile
{
public:
    /// The largest file the program reads: far beyond any document or
    /// customer database, small enough that a wrong file cannot exhaust memory.
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;

    /// Reads the file whole. False, with a reason in `error`, when it cannot
    /// or when it holds more than MaxSize bytes.
    static bool load(const QString& path, QByteArray& bytes, QString* error = nullptr);

    /// What one look at a path (through links) says of it.
    struct Facts
    {
        bool exists = false;
        bool isFile = false; // a plain file
        qint64 size = 0;
        qint64 modified = 0; // milliseconds since the epoch, as QFileInfo gives it

        static Facts of(const QString& path);
    };
    /**
     * As load, for a path that must name a plain file: `facts` is what the
     * one look at it before reading found. A path that names anything else
     * or nothing is not opened: false, with `error` left as it is. A scan of
     * many files asks the system for nothing but the look and the reading.
     */
    static bool loadFile(const QString& path, QByteArray& bytes, Facts& facts,
                         QString* error = nullptr);
    /**
     * Replaces the file with `bytes` through a temporary file in the same
     * folder that is renamed over it once completely written and flushed, so
     * the file holds either its old or its new contents, never a part.
     */
    static bool save(const QString& path, const QByteArray& bytes, QString* error = nullptr);

    /**
     * Why writing `file` failed, in the system's words ("No space left on
     * device"). A write cut short by a full disk gives no reason of its own;
     * the next write fails with it, so one more is tried: call it only to
     * report a failed write of a file that is then thrown away.
     */
    static QString writeFailureReason(QFileDevice& file);

    /**
     * Empty when `path` names a plain file (through links) or, with
     * `mayBeMissing`, nothing at all; otherwise why it must not be opened or
     * replaced: a device, a pipe or a folder would hang a read, be read
     * without end or be replaced by a plain file.
     */
    static QString notPlainFileReason(const QString& path, bool mayBeMissing);

    /**
     * Removes what an interrupted save() left beside `path`: plain files named
     * like its temporary files ("NAME.XXXXXX", six letters). Call it only while
     * no save of `path` can be running (under the file's lock).
     */
    static void removeLeftoverTemporaries(const QString& path);

    /// "The file PATH is invalid." and why: not found, not a file, or
    /// `reason` (too large, permission denied) for a file that is there.
    static QString invalidFileMessage(const QString& path, const QString& reason = {});
};
