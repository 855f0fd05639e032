#include "TextFile.h"

#include "resources/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString tooLargeMessage()
{
    return QStringLiteral("The file is larger than %1 MB.").arg(TextFile::MaxSize / (1024 * 1024));
}

} // namespace

bool TextFile::load(const QString& path, QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // One look at the open file gives its kind and size (a scan of many
    // files asks nothing else of the system but the reading).
    struct stat facts;
    const bool plain = ::fstat(file.handle(), &facts) == 0 && S_ISREG(facts.st_mode);
    QByteArray read;
    bool tooLarge = plain && facts.st_size > MaxSize;
    if (!tooLarge) {
        // A device or a pipe has no size and may never end, and a file may
        // grow while it is read: read in steps and stop once past the cap.
        const qint64 step = plain ? qint64(facts.st_size) + 1 : 64 * 1024;
        while (read.size() <= MaxSize) {
            const QByteArray part = file.read(step);
            if (part.isEmpty())
                break;
            read += part;
        }
        tooLarge = read.size() > MaxSize;
    }
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (tooLarge) {
        if (error)
            *error = tooLargeMessage();
        return false;
    }
    bytes = std::move(read);
    return true;
}

namespace {

TextFile::Facts factsOf(const QByteArray& name)
{
    TextFile::Facts facts;
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return facts;
    facts.exists = true;
    facts.isFile = S_ISREG(st.st_mode);
    facts.size = qint64(st.st_size);
    facts.modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return facts;
}

} // namespace

TextFile::Facts TextFile::Facts::of(const QString& path)
{
    return factsOf(QFile::encodeName(path));
}

bool TextFile::loadFile(const QString& path, QByteArray& bytes, Facts& facts, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    facts = factsOf(name);
    if (!facts.isFile)
        return false;
    if (facts.size > MaxSize)
        return load(path, bytes, error); // says so in its words
    // Not blocking: should a pipe have taken the file's place since the look,
    // its reading fails rather than waits.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return load(path, bytes, error); // the system's reason, as load gives it
    // The file may have grown since the look: read in steps, and stop at its
    // end (a plain file's read comes short only there) or once past the cap.
    QByteArray text(facts.size + 1, Qt::Uninitialized);
    qsizetype done = 0;
    bool failed = false;
    for (;;) {
        const ssize_t got = ::read(fd, text.data() + done, size_t(text.size() - done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            failed = true;
            if (error)
                *error = qt_error_string(errno);
            break;
        }
        done += qsizetype(got);
        if (done < text.size() || done > MaxSize)
            break;
        text.resize(std::min<qsizetype>(text.size() * 2, MaxSize + 1));
    }
    ::close(fd);
    if (failed)
        return false;
    if (done > MaxSize) {
        if (error)
            *error = tooLargeMessage();
        return false;
    }
    text.truncate(done);
    bytes = std::move(text);
    return true;
}

QString TextFile::notPlainFileReason(const QString& path, bool mayBeMissing)
{
    const QFileInfo info(path);
    if (info.isFile())
        return {};
    if (!info.exists() && !info.isSymLink())
        return mayBeMissing ? QString() : QStringLiteral("it does not exist");
    if (info.isSymLink() && !info.exists())
        return mayBeMissing ? QString() : QStringLiteral("it is a link to nothing");
    return info.isDir() ? QStringLiteral("it is a folder")
                        : QStringLiteral("it is not a plain file");
}

void TextFile::removeLeftoverTemporaries(const QString& path)
{
    // QSaveFile writes to "NAME.XXXXXX", the Xs replaced by letters.
    const QFileInfo target(path);
    const QString prefix = target.fileName() + u'.';
    const auto isTemporaryName = [&](const QString& name) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            return false;
        for (qsizetype i = prefix.size(); i < name.size(); ++i) {
            const char16_t c = name.at(i).unicode();
            if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
                return false;
        }
        return true;
    };
    const QDir folder = target.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QFileInfo leftover(folder.filePath(name));
        if (isTemporaryName(name) && leftover.isFile() && !leftover.isSymLink())
            QFile::remove(leftover.filePath());
    }
}

QString TextFile::invalidFileMessage(const QString& path, const QString& reason)
{
    QString message = StringTable::text(IDS_FILE_INVALID).toQString().arg(path);
    const QFileInfo file(path);
    QString why = reason;
    if (!file.exists())
        why = QStringLiteral("It was not found.");
    else if (!file.isFile())
        why = QStringLiteral("It is not a file.");
    if (!why.isEmpty())
        message += QStringLiteral("\n\n") + why;
    return message;
}

bool TextFile::save(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A write may be cut short without an error (the disk filled): go on with
    // the rest, so that the failing write gives the system's reason.
    bool written = true;
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + done, bytes.size() - done);
        if (step <= 0) {
            written = false;
            break;
        }
        done += step;
    }
    if (!written || !file.flush() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = writeFailureReason(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString TextFile::writeFailureReason(QFileDevice& file)
{
    // A write cut short sets no error, or one without a reason ("Unknown
    // error"): the next write fails at once with the system's reason.
    if (file.isOpen() && file.isWritable()) {
        file.write(QByteArray(64 * 1024, '\0'));
        file.flush();
    }
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QStringLiteral("not all of it could be written (the disk may be full)");
}
