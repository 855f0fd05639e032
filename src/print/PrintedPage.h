#pragma once

#include "PageFonts.h"
#include "Stamp.h"
#include "layout/GPage.h"

#include "foundation/OMString.h"

#include <QRect>
#include <QStringList>
#include <climits>
#include <functional>

class Job;
class JobBase;
class JobInvoice;
class QPagedPaintDevice;
class TextStyles;
struct PageOptions;

/**
 * A document's composed page with the fonts it was composed in and its stamp:
 * what a preview tab, a print job and the PDF export share. Composing always
 * starts from an empty page: head, footer, then the view's body.
 */
class PrintedPage
{
public:
    static constexpr int TooManyPages = -2;

    using BodyComposer = std::function<void(GPage& page, const PageFonts& fonts)>;

    explicit PrintedPage(const TextStyles& styles);

    /// Loads the fonts when needed, clears the page, composes head and footer
    /// with `pageTitle`, then the body.
    void compose(const ombrel::OMString& pageTitle, const BodyComposer& composePage);
    /// Composes any document with the page composer of its kind, titled and
    /// stamped as its kind is unless the options name a title.
    void compose(const JobBase& record, const PageOptions& options);
    /// Composes an estimate or quote; the options' stamp text becomes the page's.
    void compose(const Job& job, const PageOptions& options);
    /// Composes an invoice with its totals for the options' VAT flag.
    void compose(const JobInvoice& invoice, const PageOptions& options);

    /// The page numbers and the "continued" line of `record`'s pages, in the
    /// footer's font.
    static GPage::PageMarks pageMarks(const JobBase& record, const TextStyles& styles);

    /// Copies the preview fonts from the styles.
    void loadFonts();
    /// The styles changed: the next composition reloads the fonts.
    void settingsChanged() { m_fontsLoaded = false; }

    /// What the last composition left out (a logo picture that cannot be
    /// used), for the caller to show.
    const QStringList& warnings() const { return m_warnings; }

    GPage& page() { return m_page; }
    const PageFonts& fonts() const { return m_fonts; }
    bool isComposed() const { return m_composed; }
    const TextStyles& styles() const { return m_styles; }

    /// Draws page `index` into `rect` (device units) and the stamp over it:
    /// at 50 degrees filling the width on paper, at 30 degrees on screen.
    void drawPage(QPainter& painter, const QRect& rect, int index, bool onPaper);

    /**
     * The print job: lays the page out for `area` of `device` at the device's
     * resolution, so fonts print at their size, and prints pages `first` to
     * `last` (numbered from 1, within the pages there are) with the stamp, a
     * new sheet for each. The page count, or -1 when the device could not be
     * painted on, or TooManyPages (nothing printed) when the document would
     * run over GPage::MaxPages. PDF export and the printer both print through here.
     */
    int print(QPagedPaintDevice& device, const QRect& area, int first = 1, int last = INT_MAX);
    /// The same loop for a page composed elsewhere.
    static int print(GPage& page, const ombrel::OMString& stampText, QPagedPaintDevice& device,
                     const QRect& area, int first = 1, int last = INT_MAX);

    ombrel::OMString stampText;

private:
    const TextStyles& m_styles;
    GPage m_page;
    PageFonts m_fonts;
    Stamp m_stamp;
    bool m_composed = false;
    bool m_fontsLoaded = false;
    QStringList m_warnings;
};
