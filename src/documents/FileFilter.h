#pragma once

#include <QString>
#include <QStringList>

/**
 * Turns a file-dialog filter written as "Name|*.a; *.b|Name|*.c||" into the
 * name filters of QFileDialog. The names stay exactly as written; the
 * patterns follow in Qt's "(*.a *.b)" form, and "*.*" (every file) becomes "*".
 */
class FileFilter
{
public:
    static QStringList fromPipeSeparated(const QString& filter);
};
