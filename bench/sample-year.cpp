// Writes a year of sample documents: sample-year FOLDER [COUNT [YEAR]];
// or the benchmarks' long invoice: sample-year --invoice FILE LINES.
#include "SampleInvoice.h"
#include "SampleYear.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--invoice") {
        JobInvoice invoice = SampleInvoice::withLines(QByteArray(argv[3]).toInt());
        Archive archive = Archive::forWriting();
        return invoice.write(archive) == 0 &&
                       TextFile::save(QString::fromLocal8Bit(argv[2]), archive.data())
                   ? 0
                   : 1;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: sample-year FOLDER [COUNT [YEAR]]\n"
                             "       sample-year --invoice FILE LINES\n");
        return 2;
    }
    const int count = argc > 2 ? QByteArray(argv[2]).toInt() : 200;
    const int year = argc > 3 ? QByteArray(argv[3]).toInt() : 2026;
    return SampleYear::write(QString::fromLocal8Bit(argv[1]), count, year) ? 0 : 1;
}
