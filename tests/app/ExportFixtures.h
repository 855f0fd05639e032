#pragma once

#include "app/MailLauncher.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// What the export and mail tests share.

/// Records what would have started instead of starting it.
class RecordingMail : public MailLauncher
{
public:
    bool isAvailable = true;
    QString program;
    QStringList arguments;
    QStringList shownFolders;
    /// The result the program would report once it ends.
    Finished result;

    bool available() const override { return isAvailable; }
    void start(const QString& name, const QStringList& args, Finished finished) override
    {
        program = name;
        arguments = args;
        result = std::move(finished);
    }
    bool showFolder(const QString& folder) override
    {
        shownFolders.append(folder);
        return true;
    }
};

/// The PDF's text as pdftotext lays it out; empty when it cannot be read.
inline QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
