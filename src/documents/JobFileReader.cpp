#include "JobFileReader.h"

#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"
#include "resources/StringTable.h"

#include <QFileInfo>

using ombrel::OMString;

QString JobFileReader::invalidKindMessage(const JobBase& record, const QString& path)
{
    return OMString::format(StringTable::text(IDS_INVALID_KIND_FILE).c_str(),
                            record.kindTitle.c_str())
               .toQString() +
           QStringLiteral("\n\n%1 is not a Vorlane %2.").arg(path, record.kindName.toQString());
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
    if (path.endsWith(QLatin1String(".vle"), Qt::CaseInsensitive))
        return std::make_unique<JobEstimate>();
    if (path.endsWith(QLatin1String(".vlq"), Qt::CaseInsensitive))
        return std::make_unique<JobQuote>();
    if (path.endsWith(QLatin1String(".vli"), Qt::CaseInsensitive))
        return std::make_unique<JobInvoice>();
    return nullptr;
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
