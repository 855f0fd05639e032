#include "PrintedPage.h"

#include "InvoicePage.h"
#include "JobPage.h"
#include "PageHead.h"
#include "PageOptions.h"
#include "Stamp.h"
#include "TextStyles.h"

PrintedPage::PrintedPage(const TextStyles& styles) : m_styles(styles)
{
}

void PrintedPage::LoadFonts()
{
    m_fonts.load(m_styles);
    m_fontsLoaded = true;
}

void PrintedPage::Compose(const ombrel::OMString& pageTitle, const BodyComposer& composePage)
{
    if (!m_fontsLoaded)
        LoadFonts();
    m_page.clear();
    m_page.defaultFont() = m_fonts.normal;
    PageHead::ComposeHeader(m_page, m_styles, m_fonts, pageTitle);
    PageHead::ComposeFooter(m_page, m_styles);
    if (composePage)
        composePage(m_page, m_fonts);
    m_page.recalculate(0);
    m_composed = true;
}

void PrintedPage::compose(const Job& job, const PageOptions& options)
{
    stampText = options.stampText;
    Compose(options.pageTitle, [&](GPage& page, const PageFonts& fonts) {
        JobPage::ComposePage(page, job, options, m_styles, fonts);
    });
}

void PrintedPage::compose(JobInvoice& invoice, const PageOptions& options)
{
    stampText = options.stampText;
    Compose(options.pageTitle, [&](GPage& page, const PageFonts& fonts) {
        InvoicePage::ComposePage(page, invoice, options, m_styles, fonts);
    });
}

void PrintedPage::drawPage(QPainter& painter, const QRect& rect, int index, bool onPaper)
{
    m_page.draw(painter, rect, index);
    Stamp::draw(painter, rect, stampText, onPaper ? Stamp::PaperAngle : Stamp::ScreenAngle,
                onPaper);
}
