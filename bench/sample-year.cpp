// Writes a year of sample documents: sample-year FOLDER [COUNT [YEAR]].
#include "SampleYear.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: sample-year FOLDER [COUNT [YEAR]]\n");
        return 2;
    }
    const int count = argc > 2 ? QByteArray(argv[2]).toInt() : 200;
    const int year = argc > 3 ? QByteArray(argv[3]).toInt() : 2026;
    return SampleYear::write(QString::fromLocal8Bit(argv[1]), count, year) ? 0 : 1;
}
