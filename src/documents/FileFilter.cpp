#include "FileFilter.h"

QStringList FileFilter::fromPipeSeparated(const QString& filter)
{
    QStringList result;
    const QStringList fields = filter.split(u'|');
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        const QString& name = fields.at(i);
        if (name.isEmpty())
            break;
        QStringList patterns;
        for (QString pattern : fields.at(i + 1).split(u';', Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            patterns.append(pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
        }
        result.append(QStringLiteral("%1 (%2)").arg(name, patterns.join(u' ')));
    }
    return result;
}
