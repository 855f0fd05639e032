#include "HelpLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString HelpLauncher::findHelpFile(const QString& programFolder)
{
    const QDir folder(programFolder);
    for (const QString& candidate :
         {folder.filePath(QLatin1String(HelpFileName)),
          folder.filePath(QStringLiteral("help/") + QLatin1String(HelpFileName))}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

QUrl HelpLauncher::urlFor(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QString scheme = path.left(6).toLower();
    if (scheme.startsWith(QLatin1String("http:")) || scheme.startsWith(QLatin1String("file:")) ||
        scheme == QLatin1String("https:"))
        return QUrl(path);

    // A "#part" or "?query" after the first character belongs to the address, not the file name.
    QString file = path;
    QString suffix;
    const qsizetype cut = path.indexOf(QRegularExpression(QStringLiteral("[#?]")), 1);
    if (cut > 0) {
        file = path.left(cut);
        suffix = path.mid(cut);
    }
    if (!QFileInfo(file).isFile())
        return {};
    QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    if (suffix.startsWith(u'#'))
        url.setFragment(suffix.mid(1));
    else if (!suffix.isEmpty())
        url.setQuery(suffix.mid(1));
    return url;
}

bool HelpLauncher::launchHelpFile(const QString& path)
{
    const QUrl url = urlFor(path);
    return url.isValid() && QDesktopServices::openUrl(url);
}
