// The materials grid of an estimate with many lines: the load pass into the
// shown tab, the save pass, a tab switch (save and load pass) and one cell
// edit with the column fitting it causes; an invoice's Items tab to its
// Preview and back; a cell edit on the invoice's Items tab with the totals
// strip it updates.
#include "documents/JobEstimateDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "print/InvoicePage.h"
#include "print/PageOptions.h"
#include "print/TextStyles.h"
#include "records/Job.h"
#include "views/InvoiceItemsTab.h"
#include "views/ItemGrid.h"
#include "views/ItemGridModel.h"
#include "views/JobInvoiceEditView.h"
#include "views/MaterialsTab.h"
#include "views/PreviewTab.h"
#include "views/TabbedEditView.h"
#include "views/TotalsStrip.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class MaterialsView : public TabbedEditView
{
public:
    explicit MaterialsView(JobEstimateDoc* doc) : TabbedEditView(doc), m_doc(doc)
    {
        addTab(2059, &materials);
        resize(900, 700);
        onInitialUpdate();
        show();
        QApplication::processEvents();
    }
    MaterialsTab materials;

protected:
    bool exchangeData(bool save) override
    {
        if (!save)
            materials.bindItems(&m_doc->job().materials);
        return TabbedEditView::exchangeData(save);
    }

private:
    JobEstimateDoc* m_doc;
};

void fill(JobEstimateDoc& doc, int lines)
{
    for (int i = 0; i < lines; ++i) {
        JobItem item;
        item.desc = ombrel::OMString::format("Copper pipe 15 mm, length %d", i);
        item.count = 1.5 + i % 7;
        item.price = ombrel::OMMoney(int64_t(199 + i));
        doc.job().materials.add(item);
    }
}

} // namespace

static void BM_MaterialsLoadPass(benchmark::State& state)
{
    JobEstimateDoc doc;
    fill(doc, int(state.range(0)));
    MaterialsView view(&doc);
    for (auto _ : state) {
        view.updateData(false);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsLoadPass)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);

// The save pass alone: the grid's rows into the record's list.
static void BM_MaterialsSavePass(benchmark::State& state)
{
    JobEstimateDoc doc;
    fill(doc, int(state.range(0)));
    MaterialsView view(&doc);
    for (auto _ : state)
        view.updateData(true);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsSavePass)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);

static void BM_MaterialsTabSwitch(benchmark::State& state)
{
    JobEstimateDoc doc;
    fill(doc, int(state.range(0)));
    MaterialsView view(&doc);
    for (auto _ : state) {
        view.updateData(true);
        view.updateData(false);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsTabSwitch)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

static void BM_MaterialsCellEdit(benchmark::State& state)
{
    JobEstimateDoc doc;
    fill(doc, int(state.range(0)));
    MaterialsView view(&doc);
    ItemGridModel* model = view.materials.grid()->gridModel();
    const QModelIndex price = model->index(model->rowCount() / 2, PricedItemsTab::PriceColumn);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        model->setData(price, flip ? QStringLiteral("12.34") : QStringLiteral("43.21"));
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsCellEdit)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMicrosecond);

namespace {

// An invoice's Items tab and its preview, as the invoice view has them.
class ItemsView : public TabbedEditView
{
public:
    explicit ItemsView(JobInvoiceDoc* doc, const TextStyles& styles)
        : TabbedEditView(doc), preview(styles), m_doc(doc)
    {
        addTab(2059, &items);
        addTab(2062, &preview);
        resize(900, 700);
        onInitialUpdate();
        show();
        QApplication::processEvents();
    }
    void composePage(GPage& page, const PageFonts& fonts) override
    {
        PageOptions options;
        options.vat = true;
        InvoicePage::composePage(page, m_doc->invoice(), options, preview.printed().styles(),
                                 fonts);
    }
    InvoiceItemsTab items;
    PreviewTab preview;

protected:
    bool exchangeData(bool save) override
    {
        if (!save)
            items.bindItems(&m_doc->invoice().items);
        return TabbedEditView::exchangeData(save);
    }

private:
    JobInvoiceDoc* m_doc;
};

void fill(JobInvoiceDoc& doc, int lines)
{
    for (int i = 0; i < lines; ++i) {
        JobItem item;
        item.desc = ombrel::OMString::format("Radiator valve, line %d", i);
        item.count = 1 + i % 3;
        item.price = ombrel::OMMoney(int64_t(1250 + i));
        item.rate = Percentage(i % 2 ? 2000 : 500);
        doc.invoice().items.add(item);
    }
}

} // namespace

// The Items tab shown, then a switch to the Preview (save pass, compose and
// paint) and back (save and load pass).
static void BM_InvoiceItemsToPreviewAndBack(benchmark::State& state)
{
    TextStyles styles;
    styles.loadStyles();
    JobInvoiceDoc doc;
    fill(doc, int(state.range(0)));
    ItemsView view(&doc, styles);
    for (auto _ : state) {
        view.selectTab(1);
        view.preview.repaint();
        view.selectTab(0);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InvoiceItemsToPreviewAndBack)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// The invoice view's Items tab and its totals strip: one committed price cell
// (parsed, the row recomputed, the columns fitted, the lines taken into the
// record, the summary worked out and the strip filled), and the strip's part
// of it alone.
namespace {

// The invoice view over an invoice of `lines` lines, its Items tab shown.
struct InvoiceOnItems
{
    explicit InvoiceOnItems(int lines)
    {
        styles.loadStyles();
        fill(doc, lines);
        view = std::make_unique<JobInvoiceEditView>(&doc, styles);
        view->resize(900, 700);
        view->onInitialUpdate();
        view->show();
        view->selectTab(2);
        QApplication::processEvents();
    }

    TextStyles styles;
    JobInvoiceDoc doc;
    std::unique_ptr<JobInvoiceEditView> view;
};

} // namespace

static void BM_InvoiceTotalsAfterCellEdit(benchmark::State& state)
{
    InvoiceOnItems invoice(int(state.range(0)));
    JobInvoiceEditView& view = *invoice.view;
    ItemGridModel* model = view.items().grid()->gridModel();
    const QModelIndex price = model->index(model->rowCount() / 2, PricedItemsTab::PriceColumn);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        model->setData(price, flip ? QStringLiteral("12.34") : QStringLiteral("43.21"));
    }
    if (view.totalsStrip()->figures().isEmpty())
        state.SkipWithError("the strip shows nothing");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InvoiceTotalsAfterCellEdit)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

static void BM_InvoiceTotalsStripUpdate(benchmark::State& state)
{
    InvoiceOnItems invoice(int(state.range(0)));
    invoice.doc.setModified(true);
    QApplication::processEvents();
    for (auto _ : state)
        emit invoice.view->items().committed();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_InvoiceTotalsStripUpdate)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
