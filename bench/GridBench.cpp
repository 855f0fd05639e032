// The materials grid of an estimate with many lines: the load pass into the
// shown tab, a tab switch (save and load pass) and one cell edit with the
// column fitting it causes.
#include "documents/JobEstimateDoc.h"
#include "records/Job.h"
#include "views/CGridCtrl.h"
#include "views/CGridModel.h"
#include "views/EditTabMaterials.h"
#include "views/TabbedEditView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

class MaterialsView : public TabbedEditView
{
public:
    explicit MaterialsView(JobEstimateDoc* doc) : TabbedEditView(doc), m_doc(doc)
    {
        AddTab(2059, &materials);
        resize(900, 700);
        OnInitialUpdate();
        show();
        QApplication::processEvents();
    }
    EditTabMaterials materials;

protected:
    bool DoDataExchange(bool save) override
    {
        if (!save)
            materials.bindItems(&m_doc->job().materials);
        return TabbedEditView::DoDataExchange(save);
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
        view.UpdateData(false);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsLoadPass)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);

static void BM_MaterialsTabSwitch(benchmark::State& state)
{
    JobEstimateDoc doc;
    fill(doc, int(state.range(0)));
    MaterialsView view(&doc);
    for (auto _ : state) {
        view.UpdateData(true);
        view.UpdateData(false);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsTabSwitch)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);

static void BM_MaterialsCellEdit(benchmark::State& state)
{
    JobEstimateDoc doc;
    fill(doc, int(state.range(0)));
    MaterialsView view(&doc);
    CGridModel* model = view.materials.grid()->gridModel();
    const QModelIndex price = model->index(model->rowCount() / 2, EditTabJobItems::PriceColumn);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        model->setData(price, flip ? QStringLiteral("12.34") : QStringLiteral("43.21"));
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialsCellEdit)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
