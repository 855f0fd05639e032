#pragma once

#include "EditTab.h"
#include "print/PdfExport.h"
#include "print/PrintableArea.h"
#include "print/PrintedPage.h"

#include <QRect>

class QPrinter;
class QScrollBar;
class TextStyles;

/**
 * The last tab of every document view: the composed page, scrolled inside the
 * tab, and the printing of it. The page is composed afresh whenever the tab
 * becomes visible and when the settings change. A print job and the PDF
 * export compose a page of their own from the view as it stands, laid out
 * once for paper; the screen's page stays as it is laid out.
 */
class PreviewTab : public EditTab
{
    Q_OBJECT

public:
    explicit PreviewTab(const TextStyles& styles, QWidget* parent = nullptr);

    /// Composes, lays out for the window and repaints.
    void refreshPage();
    /// The record changed: the page is composed again when the preview next
    /// paints, or when it is next shown (activate()).
    void pageChanged();
    /// Composes the page from the owner view's record and switches.
    void compose();

    void activate() override;
    void onDocumentUpdate(DocumentView* sender, UpdateHint hint) override;

    /// Composes the page for paper and prints the pages the printer's range
    /// names (all unless a page range was chosen) on `printer`, through
    /// PrintedPage::print, which lays them out for it.
    void printAll(QPrinter& printer);
    /// The print dialog, then the job; false when cancelled.
    bool print();
    /// The print preview window, driven by the same calls.
    /// Shows the print preview; true when the user printed from it.
    bool printPreview();
    /// Composes afresh and writes the pages as the preview shows them, on the
    /// page setup's paper and orientation, to `path`; empty on success, else
    /// the message. `finish` (if given) works on the bytes last.
    QString exportPdf(const QString& path, const PdfExport::Finisher& finish = {});

    /// Drawn across every page; "OVERDUE" on an overdue invoice.
    void setStampText(const QString& text)
    {
        m_printed.stampText = ombrel::OMString::fromQString(text);
    }
    QString stampText() const { return m_printed.stampText.toQString(); }
    PrintedPage& printed() { return m_printed; }

    /// The page's width as a percentage of the width that fits the window:
    /// 100 (fit to width) to 200, and below 100 down to a whole page.
    int zoom() const { return m_zoom; }
    static constexpr int FitWidthZoom = 100;
    static constexpr int MaximumZoom = 200;
    static constexpr int ZoomStep = 25;
    /// The zoom that shows one whole page in the window (at most fit to width).
    int wholePageZoom() const;
    bool canZoomIn() const { return m_zoom < MaximumZoom; }
    bool canZoomOut() const { return m_zoom > wholePageZoom(); }

    QScrollBar* verticalBar() const { return m_vertical; }
    QScrollBar* horizontalBar() const { return m_horizontal; }
    /// Scroll steps: a line in the Normal font, a page of the client area.
    int lineStep(Qt::Orientation orientation) const;
    int pageStep(Qt::Orientation orientation) const;
    /// The area pages are drawn in, without the scroll bars.
    QRect clientRect() const;
    /// The whole stack of pages at the current width, in pixels.
    QSize documentSize();

public slots:
    void setZoom(int percent);
    /// Steps of 25 % above fit to width; below it, one step to a whole page.
    void zoomIn();
    void zoomOut();
    void zoomToFit() { setZoom(FitWidthZoom); }

signals:
    void zoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    /// Composes `printed` from the owner view: head, body and page marks.
    void composeInto(PrintedPage& printed);
    /// The same with the screen's stamp, for a print job or an export.
    void composeForPaper(PrintedPage& paper);
    /// The page's content rectangle on screen for page `index`, unscrolled.
    QRect sheetContent(int index) const;
    /// The same with the margins already read, for a loop over the pages.
    QRect sheetContent(int index, const PrintMargins& margins) const;
    double pixelsPerMillimetre() const;
    /// The paper's width on screen, and where it starts: centred when the
    /// window is wider than the page needs.
    int sheetWidth() const;
    int sheetLeft() const;
    void setScrollRanges();
    void scrollBy(Qt::Orientation orientation, int delta);
    /// A scroll bar's own action: page steps and the vertical bar's ends.
    void onBarAction(Qt::Orientation orientation, int action);

    PrintedPage m_printed;
    /// The "print" margins read when the page was last composed.
    PrintMargins m_margins;
    /// The record changed since the page was composed (pageChanged()).
    bool m_composeOnPaint = false;
    QScrollBar* m_vertical;
    QScrollBar* m_horizontal;
    int m_zoom = FitWidthZoom;
};
