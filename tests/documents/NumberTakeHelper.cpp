// Child process of the numbering tests: takes COUNT invoice numbers as fast as
// it can and prints each on a line, so that the test can run several at once.
#include "records/JobInvoice.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s COUNT\n", argv[0]);
        return 2;
    }
    JobInvoice invoice;
    for (int i = std::atoi(argv[1]); i > 0; --i) {
        uint32_t number = 0;
        QString error;
        if (!invoice.takeNextNumber(number, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%u\n", number);
    }
    return 0;
}
