// Saves two different contents over one file, alternately, for ever; the
// atomic-save test kills it at random moments and inspects what is left.
#include "fileformat/TextFile.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const QString target = QString::fromLocal8Bit(argv[1]);
    QByteArray versions[2];
    for (int i = 0; i < 2; ++i) {
        QFile file(QString::fromLocal8Bit(argv[2 + i]));
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        versions[i] = file.readAll();
    }
    for (unsigned n = 0;; ++n)
        if (!TextFile::save(target, versions[n % 2]))
            return 1;
}
