// Composing, laying out and rendering invoices of growing length: every step
// must stay linear in the number of lines.
#include "SampleInvoice.h"
#include "print/PageOptions.h"
#include "print/PdfExport.h"
#include "print/PrintableArea.h"
#include "print/PrintedPage.h"
#include "print/TextStyles.h"

#include "records/JobInvoice.h"
#include "resources/StringTable.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

PageOptions invoiceOptions()
{
    PageOptions options;
    options.vat = true;
    options.pageTitle = StringTable::text(IDS_TITLE_INVOICE);
    return options;
}

/// An invoice of `lines` lines composed on a page in the default styles.
struct ComposedInvoice
{
    explicit ComposedInvoice(int lines) : invoice(SampleInvoice::withLines(lines))
    {
        printed.compose(invoice, invoiceOptions());
    }

    TextStyles styles;
    PrintedPage printed{styles};
    JobInvoice invoice;
};

/// Each benchmark over invoices of 10 to 10,000 lines, expected linear.
void linearInLines(benchmark::internal::Benchmark* benchmark)
{
    benchmark->RangeMultiplier(10)
        ->Range(10, 10000)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
}

void BM_ComposeInvoice(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    for (auto _ : state)
        composed.printed.compose(composed.invoice, invoiceOptions());
    state.SetComplexityN(state.range(0));
}

void BM_LayOutInvoice(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    PrintedPage& printed = composed.printed;
    for (auto _ : state) {
        printed.page().recalculate();
        printed.page().layout(QRectF(0, 0, 210, 297));
        benchmark::DoNotOptimize(printed.page().getPageCount());
    }
    state.counters["pages"] = printed.page().getPageCount();
    state.SetComplexityN(state.range(0));
}

// The first layout after composing: every cell's text is measured afresh.
void BM_FirstLayOutInvoice(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    PrintedPage& printed = composed.printed;
    for (auto _ : state) {
        state.PauseTiming();
        printed.compose(composed.invoice, invoiceOptions());
        state.ResumeTiming();
        printed.page().layout(QRectF(0, 0, 210, 297));
        benchmark::DoNotOptimize(printed.page().getPageCount());
    }
    state.SetComplexityN(state.range(0));
}

void BM_RenderInvoicePdf(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    PrintedPage& printed = composed.printed;
    printed.page().layout(QRectF(0, 0, 210, 297));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        const QRect area(0, 0, writer.width(), writer.width() * 297 / 210);
        const int pages = printed.page().getPageCount();
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            printed.page().draw(painter, area, i);
        }
        painter.end();
        benchmark::DoNotOptimize(buffer.size());
    }
    state.SetComplexityN(state.range(0));
}

// The same pages drawn on an image: the drawing alone, without the PDF writer.
void BM_RenderInvoiceImage(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    PrintedPage& printed = composed.printed;
    QImage image(595, 842, QImage::Format_RGB32);
    printed.page().layout(QRectF(image.rect()));
    for (auto _ : state) {
        const int pages = printed.page().getPageCount();
        for (int i = 0; i < pages; ++i) {
            image.fill(Qt::white);
            QPainter painter(&image);
            printed.page().draw(painter, QRectF(image.rect()), i);
        }
    }
    state.SetComplexityN(state.range(0));
}

// One page of a long invoice costs what a page of a short one does.
void BM_DrawLastPage(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    PrintedPage& printed = composed.printed;
    QImage image(595, 842, QImage::Format_RGB32);
    printed.page().layout(QRectF(image.rect()));
    const int last = printed.page().getPageCount() - 1;
    for (auto _ : state) {
        QPainter painter(&image);
        printed.page().draw(painter, QRectF(image.rect()), std::max(0, last - 1));
    }
}

// Compose and write a one-page invoice to a file, as the export command does.
void BM_ExportOnePageInvoice(benchmark::State& state)
{
    QTemporaryDir dir;
    TextStyles styles;
    styles.loadStyles();
    PrintedPage printed(styles);
    JobInvoice invoice = SampleInvoice::withLines(12);
    for (auto _ : state) {
        printed.compose(invoice, invoiceOptions());
        const bool written =
            PdfExport::write(printed, dir.filePath(QStringLiteral("out.pdf")), nullptr);
        benchmark::DoNotOptimize(written);
    }
}

// One description of 128 KB without a break, or of 256 KB of prose, composed
// and written to a PDF: a row that runs over many pages, laid out once.
void BM_ExportLongDescription(benchmark::State& state)
{
    const bool prose = state.range(0) == 1;
    std::string text;
    if (prose) {
        while (text.size() < 256 * 1024)
            text += "The boiler was serviced, the flue checked and the pressure restored. ";
    } else {
        text.assign(128 * 1024, 'x');
    }
    JobInvoice invoice = SampleInvoice::withLines(3);
    JobItem longItem;
    longItem.desc = text.c_str();
    longItem.count = 1;
    longItem.price = 100;
    invoice.items.add(longItem);
    QTemporaryDir dir;
    TextStyles styles;
    styles.loadStyles();
    PrintedPage printed(styles);
    for (auto _ : state) {
        printed.compose(invoice, invoiceOptions());
        const bool written =
            PdfExport::write(printed, dir.filePath(QStringLiteral("out.pdf")), nullptr);
        benchmark::DoNotOptimize(written);
    }
    state.SetLabel(prose ? "256 KB prose" : "128 KB word");
}

/// An overdue invoice of `lines` lines as `--export-pdf` writes it: composed,
/// laid out and written with its stamp on every page.
void BM_ExportInvoice(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    TextStyles styles;
    styles.loadStyles();
    const JobInvoice invoice = SampleInvoice::withLines(int(state.range(0)));
    PageOptions options = invoiceOptions();
    options.stampText = StringTable::text(IDS_OVERDUE);
    int pages = 0;
    for (auto _ : state) {
        // A page of its own each time, as the command makes one: nothing
        // measured before.
        PrintedPage printed(styles);
        printed.compose(invoice, options);
        benchmark::DoNotOptimize(PdfExport::write(printed, path, nullptr));
        pages = printed.page().getPageCount();
    }
    state.counters["pages"] = pages;
    state.counters["KB/page"] = double(QFileInfo(path).size()) / 1024.0 / pages;
    state.SetComplexityN(state.range(0));
}

/// The floor for BM_ExportInvoice, run beside it so that their ratio is
/// measured under one load: Qt's PDF writer drawing the same texts onto as
/// many pages, one plain drawText a cell, with nothing laid out, measured,
/// filled or stamped.
void BM_FloorPdf(benchmark::State& state)
{
    ComposedInvoice composed(int(state.range(0)));
    GPage& page = composed.printed.page();
    {
        // Laid out as the export lays it out, so that both have as many pages.
        QBuffer scratch;
        scratch.open(QIODevice::WriteOnly);
        QPdfWriter writer(&scratch);
        writer.setPageSize(PdfExport::defaultPageSize());
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        const QRect area =
            PrintableArea::rect(DeviceMetrics::ofWholePage(writer), PrintMargins::fromSettings());
        page.setPageWidth(area.width() * 72.0 / 1200);
        page.layout(area);
    }
    std::vector<QStringList> pages;
    for (int i = 0; i < page.getPageCount(); ++i)
        pages.push_back(page.pageText(i));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("floor.pdf"));
    const QFont font = composed.printed.fonts().normal.deviceFont();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QPdfWriter writer(&file);
        writer.setPageSize(PdfExport::defaultPageSize());
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        QPainter painter(&writer);
        painter.setFont(QFont(font, &writer));
        const double lineHeight = writer.height() / 64.0;
        const double columnWidth = writer.width() / 6.0;
        for (size_t p = 0; p < pages.size(); ++p) {
            if (p > 0)
                writer.newPage();
            double y = lineHeight;
            for (const QString& line : pages[p]) {
                const QStringList cells = line.split(QLatin1Char('\t'));
                for (qsizetype c = 0; c < cells.size(); ++c)
                    if (!cells[c].isEmpty())
                        painter.drawText(QPointF(double(c) * columnWidth, y), cells[c]);
                y += lineHeight;
            }
        }
        painter.end();
        file.close();
    }
    state.counters["pages"] = double(pages.size());
    state.counters["KB/page"] = double(QFileInfo(path).size()) / 1024.0 / double(pages.size());
    state.SetComplexityN(state.range(0));
}

/// The export and its floor at 1,000 and 10,000 lines.
void exportSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ExportInvoice)->Apply(exportSizes);
BENCHMARK(BM_FloorPdf)->Apply(exportSizes);
BENCHMARK(BM_ComposeInvoice)->Apply(linearInLines);
BENCHMARK(BM_LayOutInvoice)->Apply(linearInLines);
BENCHMARK(BM_FirstLayOutInvoice)->Apply(linearInLines);
BENCHMARK(BM_RenderInvoicePdf)->Apply(linearInLines);
BENCHMARK(BM_RenderInvoiceImage)->Apply(linearInLines);
BENCHMARK(BM_DrawLastPage)->RangeMultiplier(10)->Range(100, 10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportOnePageInvoice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportLongDescription)->DenseRange(0, 1)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Fonts and the PDF writer need a GUI application; a throw-away home keeps
    // the user's settings out of it.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8() + "/config");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
