#include "PreviewTab.h"

#include "MessageHook.h"
#include "PrintSetup.h"
#include "TabbedEditView.h"
#include "documents/JobBaseDoc.h"
#include "documents/UpdateHint.h"
#include "print/PageSetup.h"
#include "print/PdfExport.h"
#include "print/PrintableArea.h"
#include "print/layout/GPage.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSet>
#include <QWheelEvent>
#include <algorithm>
#include <climits>

namespace {

constexpr int SideInset = 12; // left and right of the pages
constexpr int EndInset = 6;   // above the first and below the last page
constexpr int PageGap = 12;   // between two pages
constexpr int MinimumSheetWidth = 480;
// Wider than this the page would only grow its print; it stands centred instead.
constexpr int MaximumSheetWidth = 920;

QSizeF paperMillimetres()
{
    return PageSetup::instance().paperMillimetres();
}

// A page is composed again and again: each thing it left out is told once.
void showOnce(const QStringList& warnings)
{
    static QSet<QString> shown;
    for (const QString& warning : warnings) {
        if (shown.contains(warning))
            continue;
        shown.insert(warning);
        MessageHook::show(warning, MessageHook::Warning, MessageHook::Ok);
    }
}

} // namespace

PreviewTab::PreviewTab(const TextStyles& styles, QWidget* parent)
    : EditTab(parent), m_printed(styles), m_vertical(new QScrollBar(Qt::Vertical, this)),
      m_horizontal(new QScrollBar(Qt::Horizontal, this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_horizontal->hide();
    connect(m_vertical, &QScrollBar::valueChanged, this, [this] { update(); });
    connect(m_horizontal, &QScrollBar::valueChanged, this, [this] { update(); });
    connect(m_vertical, &QScrollBar::actionTriggered, this,
            [this](int action) { onBarAction(Qt::Vertical, action); });
    connect(m_horizontal, &QScrollBar::actionTriggered, this,
            [this](int action) { onBarAction(Qt::Horizontal, action); });
    // A new paper or orientation from Print Setup shows at once.
    connect(&PageSetup::instance(), &PageSetup::changed, this, [this] {
        if (m_printed.isComposed())
            refreshPage();
    });
}

int PreviewTab::wholePageZoom() const
{
    const QRect client = clientRect();
    const QSizeF paper = paperMillimetres();
    const int fit =
        std::clamp(client.width() - 2 * SideInset, MinimumSheetWidth, MaximumSheetWidth);
    if (fit <= 0 || paper.height() <= 0)
        return FitWidthZoom;
    // The sheet's height at zoom z is fit * z / 100 * height / width.
    const double zoom =
        (client.height() - 2 * EndInset) * paper.width() / paper.height() * 100.0 / fit;
    return std::clamp(int(zoom), 10, FitWidthZoom);
}

void PreviewTab::zoomIn()
{
    setZoom(m_zoom < FitWidthZoom ? FitWidthZoom : m_zoom + ZoomStep);
}

void PreviewTab::zoomOut()
{
    setZoom(m_zoom > FitWidthZoom ? std::max(FitWidthZoom, m_zoom - ZoomStep) : wholePageZoom());
}

void PreviewTab::setZoom(int percent)
{
    percent = std::clamp(percent, std::min(wholePageZoom(), FitWidthZoom), MaximumZoom);
    if (percent == m_zoom)
        return;
    // Keep the same part of the document at the top of the window.
    const double position =
        m_vertical->maximum() > 0 ? double(m_vertical->value()) / documentSize().height() : 0.0;
    m_zoom = percent;
    if (m_printed.isComposed()) {
        m_printed.page().recalculate();
        m_printed.page().layout(sheetContent(0));
    }
    setScrollRanges();
    m_vertical->setValue(int(position * documentSize().height()));
    update();
    emit zoomChanged(m_zoom);
}

void PreviewTab::composeInto(PrintedPage& printed)
{
    TabbedEditView* view = ownerView();
    const ombrel::OMString title = view ? ombrel::OMString::fromQString(view->pageTitle()) : "";
    printed.compose(title, [view](GPage& page, const PageFonts& fonts) {
        if (view)
            view->composePage(page, fonts);
    });
    showOnce(printed.warnings());
    // Pages after the first name the document, on screen as on paper.
    if (auto* job = dynamic_cast<JobBaseDoc*>(view ? view->document() : nullptr))
        printed.page().setPageMarks(PrintedPage::pageMarks(*job->record(), printed.styles()));
}

void PreviewTab::composeForPaper(PrintedPage& paper)
{
    composeInto(paper);
    paper.stampText = m_printed.stampText;
}

void PreviewTab::compose()
{
    composeInto(m_printed);
    // Lay out as wide as the printer's page prints, so the preview's pages
    // break where the printed ones will.
    // The margins as the page was composed with them, for every paint after.
    m_margins = PrintMargins::fromSettings();
    const double contentMm = paperMillimetres().width() - m_margins.left - m_margins.right;
    m_printed.page().setPageWidth(std::max(10.0, contentMm) / 25.4 * 72.0);
}

void PreviewTab::refreshPage()
{
    m_composeOnPaint = false;
    compose();
    m_printed.page().recalculate();
    m_printed.page().layout(sheetContent(0));
    setScrollRanges();
    update();
}

void PreviewTab::pageChanged()
{
    // Composed at the next paint: leaving the preview for another tab (whose
    // save pass brings this here) composes nothing.
    m_composeOnPaint = true;
    update();
}

void PreviewTab::activate()
{
    refreshPage();
}

void PreviewTab::onDocumentUpdate(DocumentView*, UpdateHint hint)
{
    if (hint != SettingsChanged)
        return;
    // New fonts, business details or margins: compose and lay out again.
    m_printed.settingsChanged();
    refreshPage();
}

QRect PreviewTab::clientRect() const
{
    QRect r = rect();
    r.setRight(r.right() - m_vertical->sizeHint().width());
    if (m_horizontal->isVisible())
        r.setBottom(r.bottom() - m_horizontal->sizeHint().height());
    return r;
}

int PreviewTab::sheetWidth() const
{
    const int fit =
        std::clamp(clientRect().width() - 2 * SideInset, MinimumSheetWidth, MaximumSheetWidth);
    return fit * m_zoom / 100;
}

int PreviewTab::sheetLeft() const
{
    return std::max(SideInset, (clientRect().width() - sheetWidth()) / 2);
}

double PreviewTab::pixelsPerMillimetre() const
{
    return sheetWidth() / paperMillimetres().width();
}

QRect PreviewTab::sheetContent(int index) const
{
    return sheetContent(index, m_margins);
}

QRect PreviewTab::sheetContent(int index, const PrintMargins& m) const
{
    const double s = pixelsPerMillimetre();
    const QSizeF paper = paperMillimetres();
    const double top = EndInset + index * (paper.height() * s + PageGap);
    return QRectF(sheetLeft() + m.left * s, top + m.top * s, (paper.width() - m.left - m.right) * s,
                  (paper.height() - m.top - m.bottom) * s)
        .toRect();
}

QSize PreviewTab::documentSize()
{
    const double s = pixelsPerMillimetre();
    const QSizeF paper = paperMillimetres();
    const int pages = m_printed.isComposed() ? std::max(1, m_printed.page().getPageCount()) : 1;
    return {int(paper.width() * s) + 2 * SideInset,
            int(pages * (paper.height() * s + PageGap) - PageGap) + 2 * EndInset};
}

void PreviewTab::setScrollRanges()
{
    const QRect client = clientRect();
    const QSize doc = documentSize();
    const bool wide = doc.width() > client.width();
    if (wide != m_horizontal->isVisible())
        m_horizontal->setVisible(wide);
    const QRect area = clientRect();
    m_vertical->setGeometry(area.right() + 1, 0, m_vertical->sizeHint().width(), area.height());
    m_horizontal->setGeometry(0, area.bottom() + 1, area.width(),
                              m_horizontal->sizeHint().height());
    // A position beyond the new maximum moves to it.
    m_vertical->setRange(0, std::max(0, doc.height() - area.height()));
    m_vertical->setPageStep(area.height());
    m_vertical->setSingleStep(lineStep(Qt::Vertical));
    m_horizontal->setRange(0, std::max(0, doc.width() - area.width()));
    m_horizontal->setPageStep(area.width());
    m_horizontal->setSingleStep(lineStep(Qt::Horizontal));
}

int PreviewTab::lineStep(Qt::Orientation orientation) const
{
    const QFontMetrics metrics(m_printed.fonts().normal.deviceFont());
    return std::max(1, orientation == Qt::Vertical
                           ? metrics.height()
                           : metrics.horizontalAdvance(QStringLiteral("    ")));
}

int PreviewTab::pageStep(Qt::Orientation orientation) const
{
    const QRect client = clientRect();
    const int size = orientation == Qt::Vertical ? client.height() : client.width();
    const int step = size - lineStep(orientation);
    return step < 0 ? lineStep(orientation) : step;
}

void PreviewTab::scrollBy(Qt::Orientation orientation, int delta)
{
    QScrollBar* bar = orientation == Qt::Vertical ? m_vertical : m_horizontal;
    bar->setValue(bar->value() + delta);
}

void PreviewTab::onBarAction(Qt::Orientation orientation, int action)
{
    QScrollBar* bar = orientation == Qt::Vertical ? m_vertical : m_horizontal;
    // The bar's own page step is the whole client area (it sizes the thumb);
    // a page keeps one line of the last view in sight, as the keys do. The
    // bar applies the position it is left with once this returns.
    switch (action) {
    case QAbstractSlider::SliderPageStepAdd:
        bar->setSliderPosition(bar->value() + pageStep(orientation));
        break;
    case QAbstractSlider::SliderPageStepSub:
        bar->setSliderPosition(bar->value() - pageStep(orientation));
        break;
    case QAbstractSlider::SliderToMinimum:
        // The top of the vertical bar is the top left of the document.
        if (orientation == Qt::Vertical)
            m_horizontal->setValue(0);
        break;
    case QAbstractSlider::SliderToMaximum:
        if (orientation == Qt::Vertical)
            m_horizontal->setValue(m_horizontal->maximum());
        break;
    default:
        break;
    }
}

void PreviewTab::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_composeOnPaint) {
        m_composeOnPaint = false;
        compose();
        m_printed.page().recalculate();
        m_printed.page().layout(sheetContent(0));
    } else if (!m_printed.isComposed()) {
        compose();
    }
    setScrollRanges();
    painter.setClipRect(clientRect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPoint offset(-m_horizontal->value(), -m_vertical->value());
    const double s = pixelsPerMillimetre();
    const PrintMargins& m = m_margins;
    const QRect client = clientRect();
    const int count = m_printed.page().getPageCount();
    for (int i = 0; i < count; ++i) {
        const QRect content = sheetContent(i, m).translated(offset);
        const QRect sheet = content.adjusted(-int(m.left * s), -int(m.top * s), int(m.right * s),
                                             int(m.bottom * s));
        if (!sheet.intersects(client))
            continue;
        // The sheet's edge, so that the page breaks read as on paper.
        painter.setPen(QColor(0xc8, 0xc8, 0xc8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheet.adjusted(0, 0, -1, -1));
        m_printed.drawPage(painter, content, i, false);
    }
    if (m_printed.page().isTruncated()) {
        // Say that the pages shown are not the whole document.
        const QString note = tr("Only the first %1 pages are shown: the document would run "
                                "over them. Check the page margins and the text styles.")
                                 .arg(GPage::MaxPages);
        const QRect box = painter.fontMetrics().boundingRect(client, Qt::TextWordWrap, note);
        painter.fillRect(box.adjusted(-4, -2, 4, 2), QColor(0xff, 0xf4, 0xc0));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::TextWordWrap, note);
    }
}

void PreviewTab::resizeEvent(QResizeEvent* event)
{
    EditTab::resizeEvent(event);
    if (width() == 0)
        return;
    // The page keeps its layout while the sheet keeps its proportions: a
    // wider window only draws it larger.
    if (m_printed.isComposed())
        m_printed.page().layout(sheetContent(0));
    setScrollRanges();
    update();
}

void PreviewTab::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (ctrl) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            event->accept();
            return;
        case Qt::Key_Minus:
            zoomOut();
            event->accept();
            return;
        case Qt::Key_0:
            setZoom(100);
            event->accept();
            return;
        default:
            break;
        }
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    // A held key repeats its effect by the key's repeat count.
    const int times = std::max(1, event->count());
    for (int n = 0; n < times; ++n) {
        switch (event->key()) {
        case Qt::Key_Up:
            scrollBy(Qt::Vertical, -lineStep(Qt::Vertical));
            break;
        case Qt::Key_Down:
            scrollBy(Qt::Vertical, lineStep(Qt::Vertical));
            break;
        case Qt::Key_Left:
            scrollBy(Qt::Horizontal,
                     -(shift ? pageStep(Qt::Horizontal) : lineStep(Qt::Horizontal)));
            break;
        case Qt::Key_Right:
            scrollBy(Qt::Horizontal, shift ? pageStep(Qt::Horizontal) : lineStep(Qt::Horizontal));
            break;
        case Qt::Key_PageUp:
            scrollBy(Qt::Vertical, -pageStep(Qt::Vertical));
            break;
        case Qt::Key_PageDown:
            scrollBy(Qt::Vertical, pageStep(Qt::Vertical));
            break;
        case Qt::Key_Home:
            m_horizontal->setValue(0);
            if (ctrl)
                m_vertical->setValue(0);
            break;
        case Qt::Key_End:
            m_horizontal->setValue(m_horizontal->maximum());
            if (ctrl)
                m_vertical->setValue(m_vertical->maximum());
            break;
        default:
            EditTab::keyPressEvent(event);
            return;
        }
    }
    event->accept();
}

void PreviewTab::wheelEvent(QWheelEvent* event)
{
    const QPoint steps = event->angleDelta() / 120;
    if (event->modifiers() & Qt::ControlModifier) {
        for (int i = 0; i < std::abs(steps.y()); ++i)
            steps.y() > 0 ? zoomIn() : zoomOut();
        event->accept();
        return;
    }
    scrollBy(Qt::Vertical, -steps.y() * 3 * lineStep(Qt::Vertical));
    scrollBy(Qt::Horizontal, -steps.x() * 3 * lineStep(Qt::Horizontal));
    event->accept();
}

QString PreviewTab::exportPdf(const QString& path, const PdfExport::Finisher& finish)
{
    PrintedPage paper(m_printed.styles());
    composeForPaper(paper);
    PdfExport::Metadata metadata;
    if (auto* job = dynamic_cast<JobBaseDoc*>(ownerView() ? ownerView()->document() : nullptr))
        metadata = PdfExport::metadataFor(*job->record());
    metadata.finish = finish;
    QString error;
    PdfExport::write(paper, path, &error, metadata);
    return error;
}

void PreviewTab::printAll(QPrinter& printer)
{
    PrintedPage paper(m_printed.styles());
    composeForPaper(paper);
    const QRect area =
        PrintableArea::rect(PrintSetup::metrics(printer), PrintMargins::fromSettings());
    // The pages the print dialog asked for, within the pages there are.
    int first = 1;
    int last = INT_MAX;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::max(first, printer.toPage());
    }
    const int printed = paper.print(printer, area, first, last);
    if (printed == PrintedPage::TooManyPages)
        MessageHook::show(ombrel::OMString::format("Nothing was printed: the document would run "
                                                   "over %d pages. Check the page margins and "
                                                   "the text styles.",
                                                   GPage::MaxPages)
                              .toQString(),
                          MessageHook::Warning, MessageHook::Ok);
}

bool PreviewTab::print()
{
    QPrinter& printer = PrintSetup::printer();
    // Each print starts from all pages, whatever the last job chose.
    printer.setPrintRange(QPrinter::AllPages);
    // Printing to a file proposes the document's own name ("Invoice 3081.pdf")
    // in the working folder: let that be the folder last used for documents
    // while the dialog is made.
    printer.setOutputFileName(QString());
    if (auto* job = dynamic_cast<JobBaseDoc*>(ownerView() ? ownerView()->document() : nullptr))
        printer.setDocName(job->displayName());
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(SettingsStore::lastDocumentFolder());
    QPrintDialog dialog(&printer, this);
    QDir::setCurrent(workingFolder);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printAll(printer);
    return true;
}

bool PreviewTab::printPreview()
{
    PrintSetup::printer().setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog dialog(&PrintSetup::printer(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printAll(*printer); });
    // The dialog is accepted only by its own Print button, once printed.
    return dialog.exec() == QDialog::Accepted;
}
