#include "SampleInvoice.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Writing a document of 10,000 lines to disk and reading it back.
static void BM_DocumentRoundTrip(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.vli");
    JobInvoice invoice = SampleInvoice::withLines(int(state.range(0)));
    for (auto _ : state) {
        Archive out = Archive::forWriting();
        invoice.write(out);
        TextFile::save(path, out.data());
        QByteArray bytes;
        TextFile::load(path, bytes);
        JobInvoice read;
        Archive in = Archive::forReading(bytes);
        read.read(in);
        benchmark::DoNotOptimize(read.items.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DocumentRoundTrip)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

static void BM_DocumentRead(benchmark::State& state)
{
    JobInvoice invoice = SampleInvoice::withLines(int(state.range(0)));
    Archive out = Archive::forWriting();
    invoice.write(out);
    const QByteArray bytes = out.data();
    for (auto _ : state) {
        JobInvoice read;
        Archive in = Archive::forReading(bytes);
        read.read(in);
        benchmark::DoNotOptimize(read.items.size());
    }
}
BENCHMARK(BM_DocumentRead)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
