#include "JobFileReader.h"

#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobBase.h"
#include "resources/StringTable.h"

using ombrel::OMString;

QString JobFileReader::invalidKindMessage(const JobBase& record, const QString& path)
{
    return OMString::format(StringTable::text(IDS_INVALID_KIND_FILE).c_str(), record.kind().title)
               .toQString() +
           QStringLiteral("\n\n%1 is not a Vorlane %2.")
               .arg(path, QString::fromLatin1(record.kind().title).toLower());
}

namespace {

bool readBytes(JobBase& record, const QString& path, const QByteArray& bytes, QString* error)
{
    Archive archive = Archive::forReading(bytes);
    if (record.read(archive) != 0) {
        if (error)
            *error = JobFileReader::invalidKindMessage(record, path);
        return false;
    }
    return true;
}

} // namespace

bool JobFileReader::read(JobBase& record, const QString& path, QString* error)
{
    QByteArray bytes;
    QString reason;
    if (!TextFile::load(path, bytes, &reason)) {
        if (error)
            *error = TextFile::invalidFileMessage(path, reason);
        return false;
    }
    return readBytes(record, path, bytes, error);
}

bool JobFileReader::readFile(JobBase& record, const QString& path, TextFile::Facts& facts,
                             QString* error)
{
    QByteArray bytes;
    QString reason;
    if (!TextFile::loadFile(path, bytes, facts, &reason)) {
        if (error && facts.isFile)
            *error = TextFile::invalidFileMessage(path, reason);
        return false;
    }
    return readBytes(record, path, bytes, error);
}

std::unique_ptr<JobBase> JobFileReader::recordFor(const QString& path)
{
    const DocumentKind* kind = DocumentKind::forPath(path);
    return kind ? kind->createRecord() : nullptr;
}

std::unique_ptr<JobBase> JobFileReader::load(const QString& path, QString* error)
{
    std::unique_ptr<JobBase> record = recordFor(path);
    TextFile::Facts facts;
    if (record && readFile(*record, path, facts, error))
        return record;
    if (error && (!record || !facts.isFile))
        *error = StringTable::text(IDS_FILE_INVALID).toQString().arg(path);
    return nullptr;
}
