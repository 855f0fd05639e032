#include "documents/DocumentTemplates.h"
#include "documents/JobDoc.h"
#include "documents/JobEstimateDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "documents/UpdateHint.h"
#include "print/PageSetup.h"
#include "print/PdfExport.h"
#include "print/TextStyles.h"
#include "print/layout/GPage.h"
#include "settings/SettingsStore.h"
#include "views/JobEstimateEditView.h"
#include "views/JobInvoiceEditView.h"
#include "views/PreviewTab.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString example(const char* name)
{
    return qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/" + name;
}

class DocumentViews : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        templates.registerJobTemplates();
        styles.loadStyles();
    }

    std::unique_ptr<Document> open(const char* name)
    {
        auto doc = templates.openDocumentFile(example(name));
        EXPECT_NE(doc, nullptr);
        return doc;
    }

    template <typename View, typename Doc> std::unique_ptr<View> viewOf(Document* doc)
    {
        auto view = std::make_unique<View>(static_cast<Doc*>(doc), styles);
        view->resize(800, 600);
        view->onInitialUpdate();
        view->show();
        // These tests look at the page: the Preview is the last tab.
        view->selectTab(view->tabCount() - 1);
        QApplication::processEvents();
        return view;
    }

    DocumentTemplates templates;
    TextStyles styles;
};

QString pdfText(const QString& path)
{
    QProcess run;
    run.start("pdftotext", {"-layout", path, "-"});
    if (!run.waitForFinished(60000))
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

TEST_F(DocumentViews, TheOverdueInvoiceCarriesItsStamp)
{
    auto doc = open("invoice-3081-kitchen-leak.vli");
    auto view = viewOf<JobInvoiceEditView, JobInvoiceDoc>(doc.get());
    EXPECT_EQ(view->pageTitle(), "INVOICE");
    EXPECT_EQ(view->overdueStamp(), "OVERDUE");
    EXPECT_EQ(view->preview().stampText(), "OVERDUE");
    EXPECT_TRUE(view->isPreviewCurrent());
    EXPECT_TRUE(view->preview().printed().isComposed());

    // Paid in full, it is never overdue however old.
    JobItem payment;
    payment.price = view->invoice().totals(true).amountDue();
    view->invoice().payments.add(payment);
    view->updateData(false);
    EXPECT_EQ(view->overdueStamp(), "");
}

TEST_F(DocumentViews, PaymentDetailsFollowTheSettingButNeverWriteIt)
{
    SettingsStore::set(SettingKeys::ShowAllInvoicePayments, 1);
    auto doc = open("invoice-3081-kitchen-leak.vli");
    auto view = viewOf<JobInvoiceEditView, JobInvoiceDoc>(doc.get());
    EXPECT_TRUE(view->showPaymentDetails());
    EXPECT_TRUE(view->isPaymentDetailsEnabled());
    view->togglePaymentDetails();
    EXPECT_FALSE(view->showPaymentDetails());
    EXPECT_EQ(SettingsStore::get(SettingKeys::ShowAllInvoicePayments), 1);
}

TEST_F(DocumentViews, SectionSwitchesAddAndRemoveTables)
{
    auto doc = open("estimate-1017-bathroom-refit.vle");
    auto view = viewOf<JobEstimateEditView, JobDoc>(doc.get());
    EXPECT_EQ(view->pageTitle(), "ESTIMATE");
    GPage& page = view->preview().printed().page();
    const QString before = page.pageText(0).join('\n');
    EXPECT_FALSE(view->isSectionEnabled(PageSection::LabourBreakdown));
    view->toggleSection(PageSection::Labour);
    EXPECT_TRUE(view->isSectionEnabled(PageSection::LabourBreakdown));
    view->toggleSection(PageSection::LabourBreakdown);
    const QString withLabour = page.pageText(0).join('\n');
    EXPECT_GT(withLabour.size(), before.size());
    // Labour off removes the detailed breakdown too, though its switch stays on.
    view->toggleSection(PageSection::Labour);
    EXPECT_TRUE(view->isSectionOn(PageSection::LabourBreakdown));
    EXPECT_FALSE(view->isSectionEnabled(PageSection::LabourBreakdown));
    EXPECT_EQ(page.pageText(0).join('\n'), before);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(DocumentViews, ScrollingByKeysAndBars)
{
    auto doc = open("estimate-1017-bathroom-refit.vle");
    auto view = viewOf<JobEstimateEditView, JobDoc>(doc.get());
    view->resize(800, 300);
    QApplication::processEvents();
    PreviewTab& preview = view->preview();
    QScrollBar* v = preview.verticalBar();
    QScrollBar* h = preview.horizontalBar();
    ASSERT_GT(v->maximum(), 0);
    EXPECT_FALSE(h->isVisible()); // the page fits the window's width

    const int line = preview.lineStep(Qt::Vertical);
    QTest::keyClick(&preview, Qt::Key_Down);
    EXPECT_EQ(v->value(), line);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), line + preview.pageStep(Qt::Vertical));
    QTest::keyClick(&preview, Qt::Key_Up);
    EXPECT_EQ(v->value(), preview.pageStep(Qt::Vertical));
    QTest::keyClick(&preview, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(v->value(), v->maximum());
    QTest::keyClick(&preview, Qt::Key_Home);
    EXPECT_EQ(v->value(), v->maximum()); // Home alone moves only sideways
    QTest::keyClick(&preview, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(v->value(), 0);
    // The bar's page keeps a line of the last view in sight, as Page Down does.
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v->value(), preview.pageStep(Qt::Vertical));
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v->value(), preview.pageStep(Qt::Vertical) + line);
    v->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(v->value(), line);

    // A narrow window scrolls sideways too.
    view->resize(300, 600);
    QApplication::processEvents();
    EXPECT_TRUE(h->isVisible());
    QTest::keyClick(&preview, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), std::min(h->maximum(), preview.pageStep(Qt::Horizontal)));
    h->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(h->value(), 0);
    QTest::keyClick(&preview, Qt::Key_End);
    EXPECT_EQ(h->value(), h->maximum());
    h->setValue(0);
    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(h->value(), std::min(h->maximum(), preview.pageStep(Qt::Horizontal)));

    // The vertical bar's bottom and top take the horizontal position along;
    // the horizontal bar's ends leave the vertical one where it is.
    v->setValue(0);
    h->setValue(0);
    v->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(v->value(), v->maximum());
    EXPECT_EQ(h->value(), h->maximum());
    h->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), v->maximum());
    h->triggerAction(QAbstractSlider::SliderToMaximum);
    v->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(v->value(), 0);
    EXPECT_EQ(h->value(), 0);
}

TEST_F(DocumentViews, ChangingAStyleRestylesAnOpenPreview)
{
    auto doc = open("estimate-1017-bathroom-refit.vle");
    auto view = viewOf<JobEstimateEditView, JobDoc>(doc.get());
    const int before = view->preview().printed().fonts().normal.size();
    TextStyle normal = styles.style(StyleNormal);
    normal.font.setSize(before + 6);
    styles.setStyle(StyleNormal, normal);
    templates.updateAllDocumentViews(nullptr, SettingsChanged);
    EXPECT_EQ(view->preview().printed().fonts().normal.size(), before + 6);
}

TEST_F(DocumentViews, ThePreviewFollowsThePageSetupTheMarginsAndTheZoom)
{
    auto doc = open("estimate-1017-bathroom-refit.vle");
    auto view = viewOf<JobEstimateEditView, JobDoc>(doc.get());
    PreviewTab& preview = view->preview();
    const GPage& page = preview.printed().page();
    const double portrait = page.pageWidth();
    const QSize portraitSize = preview.documentSize();

    PageSetup::instance().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    EXPECT_GT(page.pageWidth(), portrait * 1.3);
    EXPECT_LT(preview.documentSize().height(), portraitSize.height());
    PageSetup::instance().reset();
    EXPECT_DOUBLE_EQ(page.pageWidth(), portrait);
    EXPECT_EQ(preview.documentSize(), portraitSize);

    // New margins are laid out at once, not only printed.
    SettingsStore::set(SettingKeys::MarginLeft, 60);
    templates.updateAllDocumentViews(nullptr, SettingsChanged);
    EXPECT_NEAR(page.pageWidth(), portrait - 40 / 25.4 * 72, 1.0);

    preview.setZoom(150);
    EXPECT_NEAR(preview.documentSize().width(), portraitSize.width() * 1.5, 30);
    QTest::keyClick(&preview, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(preview.zoom(), 100);
    QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(preview.zoom(), 125);
    preview.setZoom(1000);
    EXPECT_EQ(preview.zoom(), PreviewTab::MaximumZoom);
    EXPECT_FALSE(preview.canZoomIn());

    // Below fit to width one step shows a whole page, and there it stops.
    preview.zoomToFit();
    ASSERT_TRUE(preview.canZoomOut());
    QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
    const int whole = preview.zoom();
    EXPECT_LT(whole, 100);
    const int pages = preview.printed().page().getPageCount();
    EXPECT_LE(preview.documentSize().height(), pages * preview.clientRect().height());
    EXPECT_FALSE(preview.canZoomOut());
    preview.zoomOut();
    EXPECT_EQ(preview.zoom(), whole);
    preview.zoomIn();
    EXPECT_EQ(preview.zoom(), 100);
}

TEST_F(DocumentViews, PrintingToAPdfPrinterGivesTheExportedPages)
{
    QTemporaryDir dir;
    auto doc = open("invoice-3081-kitchen-leak.vli");
    auto view = viewOf<JobInvoiceEditView, JobInvoiceDoc>(doc.get());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(PdfExport::defaultPageSize());
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    view->preview().printAll(printer);

    PrintedPage& printed = view->preview().printed();
    ASSERT_TRUE(PdfExport::write(printed, dir.filePath("exported.pdf"), nullptr));
    const QString printedText = pdfText(dir.filePath("printed.pdf"));
    ASSERT_FALSE(printedText.isEmpty());
    EXPECT_EQ(printedText.toStdString(), pdfText(dir.filePath("exported.pdf")).toStdString());
    EXPECT_TRUE(printedText.contains("3081"));
}

// The export composes a page of its own: the preview's stamp goes with it.
TEST_F(DocumentViews, TheExportCarriesThePreviewsStamp)
{
    QTemporaryDir dir;
    auto doc = open("invoice-3081-kitchen-leak.vli");
    auto view = viewOf<JobInvoiceEditView, JobInvoiceDoc>(doc.get());
    view->preview().setStampText("OVERDUE");
    ASSERT_EQ(view->preview().exportPdf(dir.filePath("stamped.pdf")), "");
    view->preview().setStampText("");
    ASSERT_EQ(view->preview().exportPdf(dir.filePath("plain.pdf")), "");
    // The stamp is outlined text: no words, but drawing of its own.
    EXPECT_GT(QFileInfo(dir.filePath("stamped.pdf")).size(),
              QFileInfo(dir.filePath("plain.pdf")).size() + 500);
}

TEST_F(DocumentViews, APrintJobPrintsOnlyThePagesTheDialogChose)
{
    QTemporaryDir dir;
    auto doc = open("estimate-1017-bathroom-refit.vle");
    auto view = viewOf<JobEstimateEditView, JobDoc>(doc.get());
    for (auto section : {PageSection::Materials, PageSection::Hire, PageSection::Travel,
                         PageSection::Labour, PageSection::LabourBreakdown})
        view->toggleSection(section);
    auto printTo = [&](const QString& name, QPrinter::PrintRange range, int from, int to) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        // A small sheet, so that the estimate runs onto several pages.
        printer.setPageSize(QPageSize(QPageSize::A6));
        printer.setOutputFileName(dir.filePath(name));
        printer.setPrintRange(range);
        printer.setFromTo(from, to);
        view->preview().printAll(printer);
        return pdfText(dir.filePath(name)).split('\f', Qt::SkipEmptyParts);
    };
    const QStringList all = printTo("all.pdf", QPrinter::AllPages, 0, 0);
    ASSERT_GE(all.size(), 3);
    // The print job's own page carries the page marks the preview's has.
    EXPECT_TRUE(all.at(1).contains("Estimate 1017, continued"));
    EXPECT_TRUE(all.at(1).contains("Page 2 of"));
    const QStringList second = printTo("second.pdf", QPrinter::PageRange, 2, 2);
    ASSERT_EQ(second.size(), 1);
    EXPECT_EQ(second.at(0).toStdString(), all.at(1).toStdString());
    // A range past the end stops at the last page.
    const QStringList tail = printTo("tail.pdf", QPrinter::PageRange, 2, 999);
    EXPECT_EQ(tail.size(), all.size() - 1);
}
