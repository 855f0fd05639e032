// Opening an invoice of 1,000 lines through to its preview painted; the
// window's PDF export and print job from a preview already shown.
#include "SampleInvoice.h"
#include "documents/DocumentTemplates.h"
#include "documents/JobInvoiceDoc.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "print/TextStyles.h"
#include "print/layout/GPage.h"
#include "views/InvoiceItemsTab.h"
#include "views/ItemGrid.h"
#include "views/ItemGridModel.h"
#include "views/JobInvoiceEditView.h"
#include "views/PreviewTab.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

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

// An invoice of `lines` lines written to a file and opened in its view, as
// the window opens it; its tabs in order: customer, invoice, items, payments,
// preview. Every benchmark below starts from one.
struct OpenedInvoice
{
    explicit OpenedInvoice(int lines)
    {
        path = writeInvoice(dir, lines);
        templates.registerJobTemplates();
        styles.loadStyles();
        doc = templates.openDocumentFile(path);
        view = std::make_unique<JobInvoiceEditView>(static_cast<JobInvoiceDoc*>(doc.get()), styles);
        view->resize(900, 800);
        view->onInitialUpdate();
    }
    int itemsTab() const { return 2; }
    int previewTab() const { return view->tabCount() - 1; }

    QTemporaryDir dir;
    QString path;
    DocumentTemplates templates;
    TextStyles styles;
    std::unique_ptr<Document> doc;
    std::unique_ptr<JobInvoiceEditView> view;
};

// The view with its preview drawn, as the window has it before File, Export
// as PDF or Print.
struct ShownInvoice : OpenedInvoice
{
    explicit ShownInvoice(int lines) : OpenedInvoice(lines)
    {
        view->selectTab(previewTab());
        QImage target(900, 800, QImage::Format_ARGB32_Premultiplied);
        view->render(&target);
    }
};

static void BM_ExportPdfFromPreview(benchmark::State& state)
{
    ShownInvoice shown(int(state.range(0)));
    const QString pdf = shown.dir.filePath(QStringLiteral("out.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.view->preview().exportPdf(pdf));
}
BENCHMARK(BM_ExportPdfFromPreview)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

static void BM_PrintFromPreview(benchmark::State& state)
{
    ShownInvoice shown(int(state.range(0)));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(shown.dir.filePath(QStringLiteral("printed.pdf")));
    for (auto _ : state)
        shown.view->preview().printAll(printer);
}
BENCHMARK(BM_PrintFromPreview)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

// The view shown on its Items tab, as the window shows an invoice it opened.
struct InvoiceOnItems : OpenedInvoice
{
    explicit InvoiceOnItems(int lines) : OpenedInvoice(lines)
    {
        view->show();
        view->selectTab(itemsTab());
        QApplication::processEvents();
    }
    void showPreview()
    {
        view->selectTab(previewTab());
        view->preview().repaint();
    }
    void showItems()
    {
        view->selectTab(itemsTab());
        view->items().repaint();
    }
    /// One price typed into the middle row of the Items grid.
    void editOnePrice()
    {
        ItemGridModel* model = view->items().grid()->gridModel();
        const QModelIndex price = model->index(model->rowCount() / 2, PricedItemsTab::PriceColumn);
        flip = !flip;
        model->setData(price, flip ? QStringLiteral("12.34") : QStringLiteral("43.21"));
        QApplication::processEvents();
    }

    bool flip = false;
};

// The first visit to the Preview of an invoice just opened on its Items tab.
static void BM_FirstPreview(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<InvoiceOnItems>(int(state.range(0)));
        state.ResumeTiming();
        shown->showPreview();
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPreview)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A price edited on the Items tab, then the Preview shown (timed) and the
// Items tab again (not timed).
static void BM_PreviewAfterEdit(benchmark::State& state)
{
    InvoiceOnItems shown(int(state.range(0)));
    shown.showPreview();
    shown.showItems();
    for (auto _ : state) {
        state.PauseTiming();
        shown.editOnePrice();
        state.ResumeTiming();
        shown.showPreview();
        state.PauseTiming();
        shown.showItems();
        state.ResumeTiming();
    }
    // What the page keeps of its measuring between compositions.
    state.counters["texts kept"] = double(shown.view->preview().printed().page().measures().size());
}
BENCHMARK(BM_PreviewAfterEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same, timing the way back from the Preview to the Items tab.
static void BM_BackToItemsAfterEdit(benchmark::State& state)
{
    InvoiceOnItems shown(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        shown.editOnePrice();
        shown.showPreview();
        state.ResumeTiming();
        shown.showItems();
    }
}
BENCHMARK(BM_BackToItemsAfterEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
