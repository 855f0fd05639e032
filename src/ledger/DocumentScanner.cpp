#include "DocumentScanner.h"

#include "LedgerIndex.h"
#include "documents/JobFileReader.h"
#include "fileformat/TextFile.h"
#include "records/FigureInputs.h"
#include "records/JobBase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sys/stat.h>

namespace {

/// What a scan asks of a file, from one look at it: the time as milliseconds
/// since the epoch, as QFileInfo gives it, without a conversion to local time.
struct FileFacts
{
    bool exists = false;
    bool isFile = false;
    qint64 size = 0;
    qint64 modified = 0;

    static FileFacts of(const QString& path)
    {
        FileFacts facts;
        struct stat st;
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return facts;
        facts.exists = true;
        facts.isFile = S_ISREG(st.st_mode);
        facts.size = qint64(st.st_size);
        facts.modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        return facts;
    }
};

} // namespace

bool DocumentScanner::isDocumentPath(const QString& path)
{
    return DocumentKind::forPath(path) != nullptr;
}

QStringList DocumentScanner::documentFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& given : paths) {
        const QString path = QDir::cleanPath(given);
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        // System entries too: a pipe or a broken link named as a document is listed
        // with its reason rather than left out.
        QDirIterator it(path, QDir::Files | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (isDocumentPath(file))
                files << QDir::cleanPath(file);
        }
    }
    files.sort();
    files.removeDuplicates();
    return files;
}

LedgerEntry DocumentScanner::read(const QString& path, const FigureInputs& inputs)
{
    LedgerEntry entry;
    entry.path = path;
    const FileFacts info = FileFacts::of(path);
    if (info.exists) {
        entry.size = info.size;
        entry.modified = info.modified;
    }
    std::unique_ptr<JobBase> record = JobFileReader::recordFor(path);
    if (!record) {
        QStringList extensions;
        for (const DocumentKind* kind : DocumentKind::all())
            extensions << QStringLiteral(".") + QLatin1String(kind->extension);
        entry.error =
            TextFile::invalidFileMessage(path, QStringLiteral("Its name does not end in %1.")
                                                   .arg(extensions.join(QLatin1String(", "))));
        return entry;
    }
    // A pipe or a device would hang the reading or never end.
    if (!info.isFile) {
        entry.error = TextFile::invalidFileMessage(path);
        return entry;
    }
    if (JobFileReader::read(*record, path, &entry.error))
        entry.summary = record->summary(inputs);
    return entry;
}

std::vector<LedgerEntry> DocumentScanner::scan(const QStringList& files, const FigureInputs& inputs,
                                               const LedgerIndex* index, const Progress& progress)
{
    std::vector<LedgerEntry> entries;
    entries.reserve(size_t(files.size()));
    for (const QString& file : files) {
        const LedgerEntry* known = index ? index->find(file) : nullptr;
        bool current = false;
        if (known) {
            const FileFacts info = FileFacts::of(file);
            current = info.isFile && info.size == known->size && info.modified == known->modified;
        }
        entries.push_back(current ? *known : read(file, inputs));
        if (progress && !progress(int(entries.size()), int(files.size())))
            break;
    }
    return entries;
}
