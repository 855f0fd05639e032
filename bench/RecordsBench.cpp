#include "records/JobInvoice.h"

#include <benchmark/benchmark.h>

// Recalculating an invoice runs on every view update; it must stay linear.
static void BM_InvoiceRecalculate(benchmark::State& state)
{
    JobInvoice invoice;
    for (int i = 0; i < state.range(0); ++i) {
        JobItem item;
        item.price = 100 + i;
        item.count = 1.5;
        item.rate = (i % 3) * 500;
        invoice.items.add(item);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(invoice.totals(true).grossTotal);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InvoiceRecalculate)->Range(10, 10000)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
