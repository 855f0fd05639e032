// Opening an invoice of 1,000 lines through to its preview painted.
#include "SampleInvoice.h"
#include "documents/DocumentTemplates.h"
#include "documents/JobInvoiceDoc.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "print/TextStyles.h"
#include "views/JobInvoiceEditView.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString writeInvoice(const QTemporaryDir& dir, int lines)
{
    JobInvoice invoice = SampleInvoice::withLines(lines);
    Archive out = Archive::forWriting();
    invoice.write(out);
    const QString path = dir.filePath(QStringLiteral("big.vli"));
    TextFile::save(path, out.data());
    return path;
}

} // namespace

static void BM_OpenInvoiceToPreviewPainted(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeInvoice(dir, int(state.range(0)));
    DocumentTemplates templates;
    templates.registerJobTemplates();
    TextStyles styles;
    styles.loadStyles();
    QImage target(900, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto doc = templates.openDocumentFile(path);
        JobInvoiceEditView view(static_cast<JobInvoiceDoc*>(doc.get()), styles);
        view.resize(900, 800);
        view.onInitialUpdate();
        view.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_OpenInvoiceToPreviewPainted)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
