#include "FileFilter.h"

#include "records/DocumentKind.h"

namespace {

// "Name (*.a;*.b)|*.a; *.b|" for the kinds together, then "Name (*.a)|*.a|" for each.
QString kindsFilter(const QList<const DocumentKind*>& kinds, const QString& togetherName)
{
    QStringList patterns;
    for (const DocumentKind* kind : kinds)
        patterns << QStringLiteral("*.") + QLatin1String(kind->extension);
    QString filter;
    if (kinds.size() > 1)
        filter += QStringLiteral("%1 (%2)|%3|")
                      .arg(togetherName, patterns.join(u';'), patterns.join(QLatin1String("; ")));
    for (const DocumentKind* kind : kinds)
        filter += QStringLiteral("%1 Files (*.%2)|*.%2|")
                      .arg(QLatin1String(kind->title), QLatin1String(kind->extension));
    return filter;
}

} // namespace

QString FileFilter::openFilter()
{
    return kindsFilter(DocumentKind::all(), QStringLiteral("Vorlane documents")) +
           QStringLiteral("All Files (*.*)|*.*||");
}

QString FileFilter::importFilter(const DocumentKind& kind)
{
    QList<const DocumentKind*> kinds;
    QStringList titles;
    for (const DocumentKind::Id id : kind.imports) {
        kinds << &DocumentKind::get(id);
        titles << QLatin1String(kinds.back()->title);
    }
    return kindsFilter(kinds, titles.join(QLatin1String(" and ")) + QStringLiteral(" Files")) +
           u'|';
}

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
        // A name that already shows its patterns ("Estimate Files (*.vle)")
        // shows them once, in Qt's form.
        QString shown = name;
        if (shown.endsWith(u')') && shown.lastIndexOf(QLatin1String(" (")) > 0)
            shown.truncate(shown.lastIndexOf(QLatin1String(" (")));
        result.append(QStringLiteral("%1 (%2)").arg(shown, patterns.join(u' ')));
    }
    return result;
}
