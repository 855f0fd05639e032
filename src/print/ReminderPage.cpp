#include "ReminderPage.h"

#include "InvoicePage.h"
#include "PageFonts.h"
#include "PageHead.h"
#include "PageTable.h"
#include "TextStyles.h"
#include "layout/GGrid.h"
#include "layout/GPage.h"
#include "layout/GParagraph.h"

#include "records/JobInvoice.h"
#include "records/ReminderLetter.h"
#include "settings/SettingsStore.h"

using ombrel::OMMoney;
using ombrel::OMString;

namespace {

OMString q(const QString& text)
{
    return OMString::fromQString(text);
}

} // namespace

void ReminderPage::composePage(GPage& page, const JobInvoice& invoice, const ReminderLetter& letter,
                               const TextStyles& styles, const PageFonts& fonts)
{
    const OMString dateFormat = SettingsStore::dateFormat();
    const OMString currency = SettingsStore::currencySymbol();
    OMString right = OMString("Date: ") + letter.date.toString(dateFormat) +
                     "\nInvoice: " + q(letter.invoiceNumber);
    if (!invoice.reference.isEmpty())
        right += OMString("\nYour reference: ") + invoice.reference;
    PageHead::composeAddressBlock(page, fonts, invoice.customer.displayText(), right);

    GParagraph& text = *page.paragraph(GPage::Body, true, true);
    text.setHAlign(GObject::AlignLeft);
    text.addString("\n");
    text.addString(q(letter.body) + "\n\n", fonts.normal);

    auto grid = PageTable::create(fonts.normal, styles);
    PageTable::setColumn(*grid, 0, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 1, GObject::AlignRight, PageTable::MoneySample);
    const uint32_t footerBackground = styles.background(StyleTableFooter);
    const auto row = [&](const OMString& label, const OMString& value, bool bold = false) {
        PageTable::addRow(*grid, {label, value}, bold ? fonts.normalBold : fonts.normal,
                          bold ? footerBackground : GUnits::NoColour);
    };
    PageTable::addRow(*grid, {"Invoice", q(letter.invoiceNumber)}, fonts.normalBold,
                      styles.background(StyleTableHeader), true);
    row("Invoice date", letter.invoiceDate.toString(dateFormat));
    row("Due date", letter.dueDate.toString(dateFormat));
    row("Days overdue", OMString::format("%lld", static_cast<long long>(letter.daysOverdue)));
    row(OMString::format("Amount due %s", currency.c_str()), letter.amountDue.toString(),
        !letter.claim);
    if (letter.claim) {
        const LateInterest::Claim& c = *letter.claim;
        row(q(QStringLiteral("Statutory interest at %1 a year (reference rate %2 on %3 plus 8%) "
                             "for %4 days at %5%6 a day")
                  .arg(LateInterest::rateText(c.yearlyRate),
                       LateInterest::rateText(c.referenceRate),
                       c.referenceDay.inWords().toQString())
                  .arg(c.days)
                  .arg(currency.toQString(), c.daily.toString().toQString())),
            c.interest.toString());
        row("Fixed compensation for late payment", c.compensation.toString());
        row(OMString::format("Total now due %s", currency.c_str()), letter.totalDue().toString(),
            true);
    }
    page.addParagraph(std::move(grid), GPage::Body);

    const QStringList bank = InvoicePage::bankDetails();
    if (!bank.isEmpty()) {
        GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
        paragraph.setHAlign(GObject::AlignLeft);
        paragraph.addString("\n");
        paragraph.addString(q(bank.join(u'\n')), fonts.normal);
    }
}
