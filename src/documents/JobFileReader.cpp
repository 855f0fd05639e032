#include "JobFileReader.h"

#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobBase.h"
#include "resources/StringTable.h"

#include <QFileInfo>

using ombrel::OMString;

QString JobFileReader::invalidKindMessage(const JobBase& record, const QString& path)
{
    return OMString::format(StringTable::text(IDS_INVALID_KIND_FILE).c_str(), record.kind().title)
               .toQString() +
           QStringLiteral("\n\n%1 is not a Vorlane %2.")
               .arg(path, QString::fromLatin1(record.kind().title).toLower());
}

bool JobFileReader::read(JobBase& record, const QString& path, QString* error)
{
    QByteArray bytes;
    QString reason;
    if (!TextFile::load(path, bytes, &reason)) {
        if (error)
            *error = TextFile::invalidFileMessage(path, reason);
        return false;
    }
    Archive archive = Archive::forReading(bytes);
    if (record.read(archive) != 0) {
        if (error)
            *error = invalidKindMessage(record, path);
        return false;
    }
    return true;
}

std::unique_ptr<JobBase> JobFileReader::recordFor(const QString& path)
{
    const DocumentKind* kind = DocumentKind::forPath(path);
    return kind ? kind->createRecord() : nullptr;
}

std::unique_ptr<JobBase> JobFileReader::load(const QString& path, QString* error)
{
    std::unique_ptr<JobBase> record = recordFor(path);
    if (!record || !QFileInfo(path).isFile()) {
        if (error)
            *error = StringTable::text(IDS_FILE_INVALID).toQString().arg(path);
        return nullptr;
    }
    if (!read(*record, path, error))
        return nullptr;
    return record;
}
