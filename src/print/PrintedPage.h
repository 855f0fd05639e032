#pragma once

#include "PageFonts.h"
#include "layout/GPage.h"

#include "foundation/OMString.h"

#include <QRect>
#include <functional>

class Job;
class JobInvoice;
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
    using BodyComposer = std::function<void(GPage& page, const PageFonts& fonts)>;

    explicit PrintedPage(const TextStyles& styles);

    /// Loads the fonts when needed, clears the page, composes head and footer
    /// with `pageTitle`, then the body.
    void Compose(const ombrel::OMString& pageTitle, const BodyComposer& composePage);
    /// Composes an estimate or quote; the options' stamp text becomes the page's.
    void compose(const Job& job, const PageOptions& options);
    /// Composes an invoice (its totals are worked out again with the VAT flag).
    void compose(JobInvoice& invoice, const PageOptions& options);

    /// Copies the preview fonts from the styles.
    void LoadFonts();
    /// The styles changed: the next composition reloads the fonts.
    void SettingsChanged() { m_fontsLoaded = false; }

    GPage& page() { return m_page; }
    const PageFonts& fonts() const { return m_fonts; }
    bool isComposed() const { return m_composed; }
    const TextStyles& styles() const { return m_styles; }

    /// Draws page `index` into `rect` (device units) and the stamp over it:
    /// at 50 degrees filling the width on paper, at 30 degrees on screen.
    void drawPage(QPainter& painter, const QRect& rect, int index, bool onPaper);

    ombrel::OMString stampText;

private:
    const TextStyles& m_styles;
    GPage m_page;
    PageFonts m_fonts;
    bool m_composed = false;
    bool m_fontsLoaded = false;
};
