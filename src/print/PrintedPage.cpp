#include "PrintedPage.h"

#include "InvoicePage.h"
#include "JobPage.h"
#include "PageHead.h"
#include "PageOptions.h"
#include "Stamp.h"
#include "TextStyles.h"

#include "records/Job.h"
#include "records/JobInvoice.h"
#include "resources/StringTable.h"
#include "settings/SettingsReadScope.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

PrintedPage::PrintedPage(const TextStyles& styles) : m_styles(styles)
{
}

void PrintedPage::loadFonts()
{
    m_fonts.load(m_styles);
    m_fontsLoaded = true;
}

void PrintedPage::compose(const ombrel::OMString& pageTitle, const BodyComposer& composePage)
{
    // The head, the body and the fonts read many settings: each from one store.
    const SettingsReadScope settings;
    if (!m_fontsLoaded)
        loadFonts();
    m_page.clear();
    m_stamp.reset();
    m_page.defaultFont() = m_fonts.normal;
    m_warnings.clear();
    PageHead::composeHeader(m_page, m_styles, m_fonts, pageTitle, &m_warnings);
    PageHead::composeFooter(m_page, m_styles);
    if (composePage)
        composePage(m_page, m_fonts);
    m_page.recalculate();
    m_composed = true;
}

void PrintedPage::compose(const JobBase& record, const PageOptions& options)
{
    PageOptions titled = options;
    if (titled.pageTitle.isEmpty())
        titled.pageTitle = StringTable::text(record.kind().pageTitleId);
    switch (record.kind().page) {
    case DocumentKind::InvoicePage: {
        const auto& invoice = static_cast<const JobInvoice&>(record);
        if (titled.stampText.isEmpty())
            titled.stampText = InvoicePage::stampText(invoice, titled.vat);
        compose(invoice, titled);
        break;
    }
    case DocumentKind::JobPage:
        compose(static_cast<const Job&>(record), titled);
        break;
    }
}

void PrintedPage::compose(const Job& job, const PageOptions& options)
{
    stampText = options.stampText;
    compose(options.pageTitle, [&](GPage& page, const PageFonts& fonts) {
        JobPage::composePage(page, job, options, m_styles, fonts);
    });
    m_page.setPageMarks(pageMarks(job, m_styles));
}

void PrintedPage::compose(const JobInvoice& invoice, const PageOptions& options)
{
    stampText = options.stampText;
    compose(options.pageTitle, [&](GPage& page, const PageFonts& fonts) {
        InvoicePage::composePage(page, invoice, options, m_styles, fonts);
    });
    m_page.setPageMarks(pageMarks(invoice, m_styles));
}

GPage::PageMarks PrintedPage::pageMarks(const JobBase& record, const TextStyles& styles)
{
    GPage::PageMarks marks;
    marks.numberFormat = StringTable::text(IDS_PRINT_PAGE_NUMBER).toQString();
    marks.continued = StringTable::text(IDS_PRINT_CONTINUED)
                          .toQString()
                          .arg(QLatin1String(record.kind().title), record.docReference.toQString());
    marks.font = styles.font(StyleFooter);
    return marks;
}

int PrintedPage::print(QPagedPaintDevice& device, const QRect& area, int first, int last)
{
    return print(m_page, stampText, device, area, first, last);
}

int PrintedPage::print(GPage& page, const ombrel::OMString& stampText, QPagedPaintDevice& device,
                       const QRect& area, int first, int last)
{
    page.setPageWidth(area.width() * 72.0 / std::max(1, device.logicalDpiX()));
    page.recalculate();
    page.layout(area);
    const int count = page.getPageCount();
    if (page.isTruncated())
        return TooManyPages;
    first = std::max(first, 1);
    last = std::min(last, count);
    if (first > last)
        return count;
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    Stamp stamp;
    for (int number = first; number <= last; ++number) {
        if (number > first)
            device.newPage();
        page.draw(painter, area, number - 1);
        stamp.paint(painter, area, stampText, Stamp::PaperAngle, true);
    }
    painter.end();
    return count;
}

void PrintedPage::drawPage(QPainter& painter, const QRect& rect, int index, bool onPaper)
{
    m_page.draw(painter, rect, index);
    m_stamp.paint(painter, rect, stampText, onPaper ? Stamp::PaperAngle : Stamp::ScreenAngle,
                  onPaper);
}
