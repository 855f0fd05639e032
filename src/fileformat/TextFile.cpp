#include "TextFile.h"

#include "resources/StringTable.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool TextFile::load(const QString& path, QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray read;
    bool tooLarge = false;
    if (QFileInfo(file).isFile()) {
        tooLarge = file.size() > MaxSize;
        if (!tooLarge)
            read = file.readAll();
    } else {
        // A device or a pipe has no size and may never end: read in steps
        // and stop once past the cap.
        constexpr qint64 Step = 64 * 1024;
        while (read.size() <= MaxSize) {
            const QByteArray part = file.read(Step);
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
            *error = QStringLiteral("The file is larger than %1 MB.").arg(MaxSize / (1024 * 1024));
        return false;
    }
    bytes = std::move(read);
    return true;
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
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
