#include "SampleYear.h"
#include "ledger/DocumentScanner.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerIndex.h"
#include "records/FigureInputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#ifdef VORLANE_BENCH_OVERVIEW
#include "app/LedgerFilterModel.h"
#include "app/LedgerModel.h"
#endif

// Ten thousand documents of a year, written once for every benchmark.
namespace {

struct Year
{
    QTemporaryDir dir;
    FigureInputs inputs;
    QString index;

    Year()
    {
        inputs.vatRegistered = true;
        inputs.asOf = ombrel::OMDate(31, 12, 2026, true);
        SampleYear::write(dir.filePath("docs"), 10000, 2026);
        index = dir.filePath("documents.index");
    }
    QStringList files() const { return DocumentScanner::documentFiles({dir.filePath("docs")}); }
};

Year& year()
{
    static Year y;
    return y;
}

} // namespace

// The first scan: every file found and read, nothing in the index.
static void BM_FirstScan(benchmark::State& state)
{
    Year& y = year();
    for (auto _ : state) {
        const Ledger ledger(DocumentScanner::scan(y.files(), y.inputs), y.inputs.asOf);
        benchmark::DoNotOptimize(ledger.totals().owed);
    }
}
BENCHMARK(BM_FirstScan)->Unit(benchmark::kMillisecond)->UseRealTime();

// A later start: the index read, every file found unchanged.
static void BM_ScanWithIndex(benchmark::State& state)
{
    Year& y = year();
    LedgerIndex::save(y.index, DocumentScanner::scan(y.files(), y.inputs), y.inputs);
    for (auto _ : state) {
        LedgerIndex index;
        index.load(y.index, y.inputs);
        const Ledger ledger(DocumentScanner::scan(y.files(), y.inputs, &index), y.inputs.asOf);
        benchmark::DoNotOptimize(ledger.totals().owed);
    }
}
BENCHMARK(BM_ScanWithIndex)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the first scan ends with: the index written for the next start.
static void BM_IndexSave(benchmark::State& state)
{
    Year& y = year();
    const std::vector<LedgerEntry> entries = DocumentScanner::scan(y.files(), y.inputs);
    for (auto _ : state)
        benchmark::DoNotOptimize(LedgerIndex::save(y.index, entries, y.inputs));
}
BENCHMARK(BM_IndexSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the window shows at once on a later start: the index read into a ledger.
static void BM_IndexToLedger(benchmark::State& state)
{
    Year& y = year();
    LedgerIndex::save(y.index, DocumentScanner::scan(y.files(), y.inputs), y.inputs);
    for (auto _ : state) {
        LedgerIndex index;
        index.load(y.index, y.inputs);
        const Ledger ledger(index.entries(), y.inputs.asOf);
        benchmark::DoNotOptimize(ledger.totals().owed);
    }
}
BENCHMARK(BM_IndexToLedger)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef VORLANE_BENCH_OVERVIEW
// One keystroke in the search field over all the rows, sorted by date.
static void BM_FilterKeystroke(benchmark::State& state)
{
    Year& y = year();
    LedgerModel model;
    model.setLedger(Ledger(DocumentScanner::scan(y.files(), y.inputs), y.inputs.asOf));
    LedgerFilterModel shown(&model);
    shown.sort(LedgerModel::Date, Qt::DescendingOrder);
    const QString texts[] = {"d", "du", "dun", ""};
    int i = 0;
    for (auto _ : state) {
        shown.setText(texts[i++ % 4]);
        benchmark::DoNotOptimize(model.ledger().totals(shown.shownRows()).owed);
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
