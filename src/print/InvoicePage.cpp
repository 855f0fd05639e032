#include "InvoicePage.h"

#include "PageFonts.h"
#include "PageHead.h"
#include "PageOptions.h"
#include "PageTable.h"
#include "TextStyles.h"
#include "layout/GGrid.h"
#include "layout/GPage.h"
#include "layout/GParagraph.h"

#include "records/JobCreditNote.h"
#include "records/JobInvoice.h"
#include "resources/StringTable.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QDate>
#include <QLocale>
#include <initializer_list>
#include <utility>

using ombrel::OMDate;
using ombrel::OMMoney;
using ombrel::OMString;

namespace {

OMString text(int id)
{
    return StringTable::text(id);
}

void addExtraTerms(GGrid& grid, const JobInvoice& invoice, const GFont& terms)
{
    if (invoice.extraTerms.isEmpty())
        return;
    GGridRow& row = grid.addRow();
    row.setFont(terms);
    row.cell(1).setText(invoice.extraTerms);
    row.cell(1).textColour = terms.colour();
}

// The statutory note of the reverse charge, with the customer's VAT number.
void addReverseChargeNote(GPage& page, const JobInvoice& invoice, const InvoiceTotals& totals,
                          const PageFonts& fonts)
{
    if (!totals.reverseCharge)
        return;
    GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
    paragraph.setHAlign(GObject::AlignLeft);
    paragraph.addString("\n");
    paragraph.addString(text(IDS_PRINT_REVERSE_CHARGE_NOTE) + "\n", fonts.detailBold);
    const OMString number = invoice.customer.vatNumber.trimmed();
    if (!number.isEmpty())
        paragraph.addString(
            OMString::format(text(IDS_PRINT_CUSTOMER_VAT_NUMBER).c_str(), number.c_str()),
            fonts.detail);
}

// What CIS does to the invoice when the customer is a contractor: the labour
// it applies to, the deduction to expect and the money to be paid.
void addCisFigures(GPage& page, const InvoiceTotals& totals, const PageFonts& fonts)
{
    if (!totals.cis)
        return;
    const OMString currency = SettingsStore::currencySymbol();
    GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
    paragraph.setHAlign(GObject::AlignLeft);
    paragraph.addString("\n");
    paragraph.addString(text(IDS_PRINT_CIS_HEADING) + "\n", fonts.detailBold);
    paragraph.addString(OMString::format(text(IDS_PRINT_CIS_LABOUR).c_str(), currency.c_str(),
                                         totals.cisLabour.toString().c_str()) +
                            "\n",
                        fonts.detail);
    paragraph.addString(OMString::format(text(IDS_PRINT_CIS_DEDUCTION).c_str(), totals.cisRate,
                                         currency.c_str(), totals.cisExpected.toString().c_str()) +
                            "\n",
                        fonts.detail);
    paragraph.addString(OMString::format(text(IDS_PRINT_CIS_NET_PAYMENT).c_str(), currency.c_str(),
                                         totals.netPayment().toString().c_str()),
                        fonts.detail);
}

} // namespace

OMString InvoicePage::stampText(const JobInvoice& invoice, bool vat)
{
    // A credit note owes the customer; it is never overdue.
    if (dynamic_cast<const JobCreditNote*>(&invoice))
        return {};
    const InvoiceTotals totals = invoice.totals(vat);
    if (isSettled(totals))
        return text(IDS_PAID);
    return invoice.isOverdueOn(OMDate::today(), totals.amountDue()) ? text(IDS_OVERDUE)
                                                                    : OMString();
}

bool InvoicePage::isSettled(const InvoiceTotals& totals)
{
    return totals.amountDue() == OMMoney() && totals.totalPaid > OMMoney();
}

OMString InvoicePage::dueByText(const JobInvoice& invoice)
{
    const OMDate due = invoice.dueDate();
    if (due.isEmpty())
        return {};
    const QDate day = QDate::fromJulianDay(due.julian());
    const QString words = QLocale::c().toString(day, QStringLiteral("d MMMM yyyy"));
    return OMString::format(text(IDS_PRINT_DUE_BY).c_str(), words.toUtf8().constData());
}

QStringList InvoicePage::bankDetails()
{
    QStringList lines;
    const auto join = [](std::initializer_list<std::pair<int, StringSetting>> items) {
        QStringList parts;
        for (const auto& [label, setting] : items) {
            const QString value = SettingsStore::get(setting).toQString().trimmed();
            if (!value.isEmpty())
                parts << text(label).toQString() + QLatin1Char(' ') + value;
        }
        return parts.join(QStringLiteral("    "));
    };
    for (const QString& line :
         {join({{IDS_PRINT_ACCOUNT_NAME, SettingKeys::BankAccountName}}),
          join({{IDS_PRINT_SORT_CODE, SettingKeys::BankSortCode},
                {IDS_PRINT_ACCOUNT_NUMBER, SettingKeys::BankAccountNumber}}),
          join({{IDS_PRINT_IBAN, SettingKeys::BankIBAN}, {IDS_PRINT_BIC, SettingKeys::BankBIC}})})
        if (!line.isEmpty())
            lines << line;
    const QString instructions =
        SettingsStore::get(SettingKeys::PaymentInstructions).toQString().trimmed();
    if (!instructions.isEmpty())
        lines << instructions;
    return lines;
}

void InvoicePage::composePage(GPage& page, const JobInvoice& invoice, const PageOptions& options,
                              const TextStyles& styles, const PageFonts& fonts)
{
    PageHead::composeInvoiceAddress(page, invoice, fonts);
    const InvoiceTotals totals = invoice.totals(options.vat);
    if (invoice.items.isEmpty())
        return;

    const bool vat = options.vat;
    // A credit note: the same table, its total the amount credited, and no
    // payment terms; payments on it are refunds paid out.
    const bool credit = dynamic_cast<const JobCreditNote*>(&invoice) != nullptr;
    const int last = vat ? 4 : 3;
    const OMString currency = SettingsStore::currencySymbol();
    const uint32_t footerBackground = styles.background(StyleTableFooter);
    const GFont terms = styles.font(StyleTerms);

    auto grid = PageTable::create(fonts.normal, styles);
    PageTable::setColumn(*grid, 0, GObject::AlignRight, "0,000");
    PageTable::setColumn(*grid, 1, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 2, GObject::AlignRight, PageTable::MoneySample);
    if (vat)
        PageTable::setColumn(*grid, 3, GObject::AlignRight, "9999.9%");
    PageTable::setColumn(*grid, last, GObject::AlignRight, PageTable::MoneySample);

    GGridRow& header =
        PageTable::addRow(*grid,
                          {text(IDS_PRINT_QTY), text(IDS_PRINT_DESCRIPTION),
                           OMString::format(text(IDS_PRINT_UNIT_PRICE).c_str(), currency.c_str())},
                          fonts.normalBold, styles.background(StyleTableHeader), true);
    if (vat) {
        header.cell(3).setText(text(IDS_PRINT_VAT_RATE));
        header.cell(last).setText(
            OMString::format(text(IDS_PRINT_TOTAL_EX_VAT).c_str(), currency.c_str()));
    } else {
        header.cell(last).setText(
            OMString::format(text(IDS_PRINT_TOTAL_SYMBOL).c_str(), currency.c_str()));
    }

    // The last two lines go with the totals: a page holding the totals and
    // no line reads as broken.
    const int carried = invoice.items.size() - 2;
    int index = 0;
    invoice.items.forEach([&](const JobItem& item) {
        GGridRow& row = grid->addRow();
        row.keepWithNext = index++ >= carried;
        row.cell(0).setText(item.quantityText());
        row.cell(1).setText(item.desc);
        row.cell(2).setText(item.price.toString());
        if (vat)
            row.cell(3).setText(item.rate.toText(true));
        row.cell(last).setText(item.lineTotal().toString());
    });

    // Rows below the lines: the label stands over unit price and VAT rate.
    // They are one block, from the subtotal to the amount due, that pagination
    // moves to the next page whole rather than split.
    const auto sumRow = [&](const OMString& label, OMMoney amount, const GFont& font) -> GGridRow& {
        GGridRow& row = grid->addRow();
        row.keepWithNext = true;
        row.setFont(font);
        row.textColour = font.colour();
        GGridCell& labelCell = row.cell(2);
        labelCell.setText(label);
        if (vat)
            labelCell.columnSpan = 2;
        row.cell(last).setText(amount.toString());
        row.cell(last).background = footerBackground;
        return row;
    };

    GGridRow* lastRow =
        &sumRow(text(credit && !vat ? IDS_PRINT_TOTAL_CREDITED : IDS_PRINT_SUBTOTAL),
                totals.netTotal, fonts.normalBold);
    lastRow->background = footerBackground;
    if (vat) {
        // Under the reverse charge the VAT is shown for information only and
        // the total leaves it out.
        const bool reverse = totals.reverseCharge;
        for (int i = 0; i < totals.vatSummary.size(); ++i) {
            const VAT entry = totals.vatSummary[i];
            sumRow(OMString::format(
                       text(reverse ? IDS_PRINT_VAT_FOR_INFORMATION : IDS_PRINT_VAT_AT).c_str(),
                       entry.rate.toText(true).c_str()),
                   entry.vatAmount(), fonts.normal);
        }
        const int totalLabel = credit    ? IDS_PRINT_TOTAL_CREDITED
                               : reverse ? IDS_PRINT_TOTAL_REVERSE_CHARGE
                                         : IDS_PRINT_TOTAL_INC_VAT;
        lastRow = &sumRow(text(totalLabel), totals.grossTotal, fonts.normalBold);
    }

    if (credit && invoice.payments.isEmpty()) {
        // Nothing refunded yet: the amount credited closes the block.
        lastRow->keepWithNext = false;
    } else if (!invoice.payments.isEmpty() && options.showPaymentDetails) {
        const OMString dateFormat = SettingsStore::dateFormat();
        invoice.payments.forEach([&](const JobItem& payment) {
            GGridRow& row = sumRow(payment.desc, payment.price, fonts.normal);
            if (!payment.date.isEmpty()) {
                row.cell(1).setText(payment.date.toString(dateFormat));
                row.cell(1).setHAlign(GObject::AlignRight);
            }
            lastRow = &row;
            // The contractor's CIS deduction settles its share with the payment.
            if (payment.deduction != OMMoney())
                lastRow = &sumRow(text(IDS_PRINT_CIS_DEDUCTED), payment.deduction, fonts.normal);
        });
    } else {
        lastRow = &sumRow(text(credit ? IDS_PRINT_LESS_REFUNDS : IDS_PRINT_LESS_PAYMENTS),
                          totals.totalPaid, fonts.normalBold);
    }

    if (invoice.displayEAOE) {
        GGridCell& cell = lastRow->cell(0);
        cell.setText(text(IDS_PRINT_EAOE));
        cell.setFont(terms);
        cell.textColour = terms.colour();
    }

    if (credit) {
        if (!invoice.payments.isEmpty())
            sumRow(text(IDS_PRINT_CREDIT_REMAINING), totals.amountDue(), fonts.normalBold)
                .keepWithNext = false;
        addExtraTerms(*grid, invoice, terms);
        page.addParagraph(std::move(grid), GPage::Body);
        addReverseChargeNote(page, invoice, totals, fonts);
        return;
    }

    const OMMoney due = totals.amountDue();
    GGridRow& amount = due >= OMMoney()
                           ? sumRow(text(IDS_PRINT_AMOUNT_DUE), due, fonts.normalBold)
                           : sumRow(text(IDS_PRINT_REFUND_DUE), -due, fonts.normalBold);
    amount.keepWithNext = false;
    // A settled invoice asks for nothing: the PAID mark says so instead.
    if (!isSettled(totals)) {
        amount.cell(0).setText(text(IDS_PRINT_TERMS) + ":");
        OMString sentence =
            invoice.addOverduePercentage
                ? OMString::format(text(IDS_PRINT_LATE_TERMS).c_str(), invoice.daysToPay.toInt(),
                                   invoice.overduePercentage.toText(false).c_str())
                : OMString::format(text(IDS_PRINT_DUE_TERMS).c_str(), invoice.daysToPay.toInt());
        const OMString dueBy = dueByText(invoice);
        if (!dueBy.isEmpty() && due > OMMoney())
            sentence += "\n" + dueBy;
        amount.cell(1).setText(sentence);
        for (int column : {0, 1}) {
            amount.cell(column).setFont(terms);
            amount.cell(column).textColour = terms.colour();
        }
    }

    addExtraTerms(*grid, invoice, terms);
    page.addParagraph(std::move(grid), GPage::Body);
    addReverseChargeNote(page, invoice, totals, fonts);
    addCisFigures(page, totals, fonts);

    // Where to pay, while something is to be paid.
    const QStringList bank = due > OMMoney() ? bankDetails() : QStringList();
    if (!bank.isEmpty()) {
        GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
        paragraph.setHAlign(GObject::AlignLeft);
        paragraph.addString("\n");
        paragraph.addString(text(IDS_PRINT_BANK_DETAILS) + "\n", fonts.detailBold);
        paragraph.addString(OMString::fromQString(bank.join(QLatin1Char('\n'))), fonts.detail);
    }
}
