#include "JobFileReader.h"

#include "app/core/MessageHook.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobBase.h"
#include "resources/StringTable.h"

using ombrel::OMString;

bool JobFileReader::readQuietly(JobBase& record, const QString& path, QString& error)
{
    QByteArray bytes;
    if (!TextFile::load(path, bytes)) {
        error = StringTable::text(IDS_FILE_INVALID).toQString().arg(path);
        return false;
    }
    Archive archive = Archive::forReading(bytes);
    if (record.read(archive) != 0) {
        error = OMString::format(StringTable::text(IDS_INVALID_KIND_FILE).c_str(),
                                 record.kindTitle.c_str())
                    .toQString();
        return false;
    }
    return true;
}

bool JobFileReader::read(JobBase& record, const QString& path)
{
    QString error;
    if (readQuietly(record, path, error))
        return true;
    MessageHook::show(OMString::fromQString(error), MessageHook::Error, MessageHook::Ok);
    return false;
}
