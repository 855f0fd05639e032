// Child process of the customer database tests: loads the database named on
// the command line, says "saving" and stores new customers, so that the test
// can kill it at any moment of the rewrite or run several at once.
#include "customers/CustomerDatabase.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DATABASE COUNT SURNAME-PREFIX\n", argv[0]);
        return 2;
    }
    SettingsStore::set(SettingKeys::CustomerDatabase, argv[1]);
    CustomerDatabase db;
    db.loadCustomerDatabase();
    const int count = std::atoi(argv[2]);
    std::printf("saving\n");
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        Customer c;
        c.surname = ombrel::OMString::format("%s%d", argv[3], i);
        db.storeCustomer(c);
    }
    std::printf("saved %lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
    return 0;
}
