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
    std::unique_ptr<JobBase> record = JobFileReader::recordFor(path);
    // One look at the file gives its size and time, and says whether to read it.
    TextFile::Facts info;
    const bool read = record && JobFileReader::readFile(*record, path, info, &entry.error);
    if (!record)
        info = TextFile::Facts::of(path);
    if (info.exists) {
        entry.size = info.size;
        entry.modified = info.modified;
    }
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
    if (read)
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
            const TextFile::Facts info = TextFile::Facts::of(file);
            current = info.isFile && info.size == known->size && info.modified == known->modified;
        }
        entries.push_back(current ? *known : read(file, inputs));
        if (progress && !progress(int(entries.size()), int(files.size())))
            break;
    }
    return entries;
}
