#include "customers/CustomerDatabase.h"
#include "customers/CustomerFile.h"
#include "customers/CustomerSearch.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ombrel;

namespace {

constexpr int kCustomers = 100000;

// A database of 100,000 customers in a temporary folder, named by the settings
// of a temporary home so that the user's own database is never touched.
struct Fixture
{
    Fixture()
    {
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
        path = home.filePath(QStringLiteral("Vorlane.vlc"));
        static const char* const surnames[] = {
            "Smith",   "Jones",    "Taylor", "Brown",    "Williams", "Wilson", "Johnson",
            "Davies",  "Robinson", "Wright", "Thompson", "Evans",    "Walker", "White",
            "Roberts", "Green",    "Hall",   "Wood",     "Jackson",  "Clarke"};
        QByteArray bytes;
        bytes.reserve(kCustomers * 220);
        for (int i = 1; i <= kCustomers; ++i) {
            Customer c;
            c.custno = uint32_t(i);
            c.title = "Mr";
            c.name = OMString::format("Name%d", i % 997);
            c.surname = OMString::format("%s%d", surnames[i % 20], i / 20);
            c.address.first = OMString::format("%d High Street\nLower Barton", i % 300);
            c.address.town = "Newtown";
            c.address.county = "Wessex";
            c.address.postcode = OMString::format("NT%d %dAB", i % 99, i % 9);
            c.phone = OMString::format("01632 %06d", i);
            CustomerFile::write(c, bytes);
        }
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        SettingsStore::set(SettingKeys::CustomerDatabase, OMString::fromQString(path));
    }
    QTemporaryDir home;
    QString path;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_LoadCustomerDatabase(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        auto db = std::make_unique<CustomerDatabase>();
        db->loadCustomerDatabase();
        benchmark::DoNotOptimize(db->HighestCustomerNumber());
        state.PauseTiming(); // the list is freed outside the measured time
        db.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCustomers);
}
BENCHMARK(BM_LoadCustomerDatabase)->Unit(benchmark::kMillisecond);

void BM_SearchBySurnamePrefix(benchmark::State& state)
{
    fixture();
    CustomerDatabase db;
    db.loadCustomerDatabase();
    CustomerSearch search(db);
    for (auto _ : state) {
        Customer fields;
        fields.surname = "Robinson12";
        search.search(fields);
        benchmark::DoNotOptimize(search.matchCount());
    }
}
BENCHMARK(BM_SearchBySurnamePrefix)->Unit(benchmark::kMillisecond);

void BM_StoreCustomerRewrite(benchmark::State& state)
{
    fixture();
    CustomerDatabase db;
    db.loadCustomerDatabase();
    Customer c;
    c.custno = kCustomers / 2;
    c.surname = "Moved";
    int round = 0;
    for (auto _ : state) {
        c.phone = OMString::format("%d", ++round);
        db.storeCustomer(c);
    }
}
BENCHMARK(BM_StoreCustomerRewrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
