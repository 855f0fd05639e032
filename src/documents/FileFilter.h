#pragma once

#include <QString>
#include <QStringList>

class DocumentKind;

/**
 * Turns a file-dialog filter written as "Name|*.a; *.b|Name|*.c||" into the
 * name filters of QFileDialog. The names stay as written, less the patterns
 * a name already shows ("Estimate Files (*.vle)"); the patterns follow once,
 * in Qt's "(*.a *.b)" form, and "*.*" (every file) becomes "*".
 */
class FileFilter
{
public:
    static QStringList fromPipeSeparated(const QString& filter);

    /// The open dialog's filter: every kind together, each kind, every file.
    static QString openFilter();
    /// The filter of File, Import into a document of `kind`: the kinds it
    /// takes in, together when there are several, then each.
    static QString importFilter(const DocumentKind& kind);
};
