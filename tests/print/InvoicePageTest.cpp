#include "PrintTestSupport.h"

#include "SampleDocuments.h"

#include "print/InvoicePage.h"
#include "print/Stamp.h"
#include "print/layout/GPicture.h"
#include "print/layout/GUnits.h"

#include "records/JobInvoice.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <map>

using namespace PrintTestSupport;
using ombrel::OMDate;
using ombrel::OMMoney;
using SampleDocuments::item;
using SampleDocuments::payment;

namespace {

class InvoicePageTest : public PrintTest
{
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        SettingsStore::set(SettingKeys::CurrencySymbol, "£");
        SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
    }
    const GGrid* compose(JobInvoice& invoice, bool vat, bool details = false)
    {
        PageOptions o = options(IDS_TITLE_INVOICE, vat);
        o.showPaymentDetails = details;
        printed.compose(invoice, o);
        const auto found = grids(printed.page(), GPage::Body);
        return found.size() > 1 ? found[1] : nullptr;
    }
    static JobInvoice twoRates()
    {
        JobInvoice invoice;
        invoice.daysToPay = 14;
        invoice.items.add(item("Boiler", 1, 100000, 1750));
        invoice.items.add(item("Controls", 2, 5000, 500));
        invoice.items.add(item("Flue", 0, 20000, 1750));
        return invoice;
    }

    PrintedPage printed{styles};
};

} // namespace

TEST_F(InvoicePageTest, NoLinesNoTable)
{
    JobInvoice invoice;
    invoice.payments.add(payment("Deposit", 1000, OMDate()));
    EXPECT_EQ(compose(invoice, true, true), nullptr);
}

TEST_F(InvoicePageTest, WithVATRatesInRateOrder)
{
    JobInvoice invoice = twoRates();
    const GGrid& table = *compose(invoice, true);
    ASSERT_EQ(table.columnCount(), 5);
    EXPECT_EQ(table.column(3).sample(), "9999.9%");
    EXPECT_EQ(cell(table, 0, 3), "VAT\nRate");
    EXPECT_EQ(cell(table, 0, 4), "Total £\nEx. VAT");
    EXPECT_EQ(cell(table, 1, 3), "17.5%");
    EXPECT_EQ(cell(table, 2, 0), "2");
    EXPECT_EQ(cell(table, 3, 0), "");
    EXPECT_EQ(cell(table, 3, 4), "200.00");

    EXPECT_EQ(column(table, 2).at(4), "SUBTOTAL");
    EXPECT_EQ(cell(table, 4, 4), invoice.totals(true).netTotal.toString().str());
    EXPECT_EQ(cell(table, 5, 2), "VAT at 5%");
    EXPECT_EQ(cell(table, 5, 4), "5.00");
    EXPECT_EQ(cell(table, 6, 2), "VAT at 17.5%");
    EXPECT_EQ(cell(table, 6, 4), "210.00");
    EXPECT_EQ(cell(table, 7, 2), "Total including VAT");
    EXPECT_EQ(cell(table, 7, 4), invoice.totals(true).grossTotal.toString().str());
    for (int r = 4; r < table.rowCount(); ++r)
        EXPECT_EQ(table.row(r).cellAt(2)->columnSpan, 2) << r;

    const GLayoutContext context{printed.fonts().normal};
    EXPECT_EQ(table.cellFont(context, 5, 2), printed.fonts().normal);
    EXPECT_EQ(table.cellFont(context, 7, 2), printed.fonts().normalBold);
    EXPECT_EQ(table.cellBackground(5, 4), styles.background(StyleTableFooter));
    EXPECT_EQ(table.cellBackground(4, 1), styles.background(StyleTableFooter));
    // The header is row 0, so the first line is odd.
    EXPECT_EQ(table.cellBackground(1, 1), styles.background(StyleTableOddRow));
    EXPECT_EQ(table.cellBackground(2, 1), styles.background(StyleTableEvenRow));
    EXPECT_EQ(table.cellBackground(0, 1), styles.background(StyleTableHeader));
}

TEST_F(InvoicePageTest, WithoutVATFourColumnsAndNoVATRows)
{
    JobInvoice invoice = twoRates();
    const GGrid& table = *compose(invoice, false);
    ASSERT_EQ(table.columnCount(), 4);
    EXPECT_EQ(cell(table, 0, 3), "Total\n£");
    EXPECT_EQ(column(table, 2),
              (std::vector<std::string>{"Unit Price\n£", "1,000.00", "50.00", "200.00", "SUBTOTAL",
                                        "Less Payments Received", "AMOUNT DUE"}));
    EXPECT_EQ(cell(table, 5, 3), "0.00") << "no payments still shows the row";
    EXPECT_EQ(cell(table, 6, 3), "1,300.00");
    EXPECT_EQ(table.row(6).cellAt(2)->columnSpan, 1);
}

TEST_F(InvoicePageTest, PaymentDetailsReplaceTheSumRow)
{
    JobInvoice invoice = twoRates();
    invoice.payments.add(payment("Deposit", 20000, OMDate(1, 3, 2024, true)));
    invoice.payments.add(payment("Cash", 5000, OMDate()));
    const GGrid& table = *compose(invoice, false, true);
    const int first = findRow(table, 2, "Deposit");
    ASSERT_GT(first, 0);
    EXPECT_EQ(cell(table, first, 1), "01/03/2024");
    EXPECT_EQ(table.row(first).cellAt(1)->hAlign(), GObject::AlignRight);
    EXPECT_EQ(cell(table, first, 3), "200.00");
    EXPECT_EQ(cell(table, first + 1, 2), "Cash");
    EXPECT_EQ(cell(table, first + 1, 1), "");
    EXPECT_EQ(cell(table, first + 1, 0), "E & OE");
    EXPECT_EQ(table.cellFont({}, first + 1, 0), styles.font(StyleTerms));
    EXPECT_EQ(findRow(table, 2, "Less Payments Received"), -1);
    EXPECT_EQ(cell(table, first + 2, 3), invoice.totals(false).amountDue().toString().str());

    // Without the switch the payments are summed.
    const GGrid& summed = *compose(invoice, false, false);
    const int row = findRow(summed, 2, "Less Payments Received");
    ASSERT_GT(row, 0);
    EXPECT_EQ(cell(summed, row, 3), "250.00");
    EXPECT_EQ(cell(summed, row, 0), "E & OE");
}

TEST_F(InvoicePageTest, RefundAndTerms)
{
    JobInvoice invoice;
    invoice.daysToPay = 30;
    invoice.displayEAOE = false;
    invoice.addOverduePercentage = true;
    invoice.overduePercentage = 250;
    invoice.extraTerms = "Bank transfer only.";
    invoice.items.add(item("Survey", 0, 10000));
    invoice.payments.add(payment("Paid twice", 25000, OMDate()));
    const GGrid& table = *compose(invoice, false);
    const int last = table.rowCount() - 2;
    EXPECT_EQ(cell(table, last, 2), "Refund due");
    EXPECT_EQ(cell(table, last, 3), "150.00");
    EXPECT_EQ(cell(table, last, 0), "Terms:");
    EXPECT_EQ(cell(table, last, 1),
              "Payment within 30 days otherwise 2.5% will be added to the total for late payment.");
    EXPECT_EQ(table.cellTextColour({}, last, 1), styles.textColour(StyleTerms));
    EXPECT_EQ(cell(table, last - 1, 0), "") << "no E & OE when switched off";
    EXPECT_EQ(cell(table, last + 1, 1), "Bank transfer only.");

    invoice.addOverduePercentage = false;
    invoice.extraTerms.clear();
    const GGrid& plain = *compose(invoice, false);
    EXPECT_EQ(cell(plain, plain.rowCount() - 1, 1), "Payment due within 30 days.");
    // A number of days past the largest a text can print shows that, not a negative.
    invoice.daysToPay = 4294967295u;
    const GGrid& many = *compose(invoice, false);
    EXPECT_EQ(cell(many, many.rowCount() - 1, 1), "Payment due within 2147483647 days.");
}

TEST_F(InvoicePageTest, OverdueAndSettledInvoicesCarryTheirStamps)
{
    JobInvoice invoice = twoRates();
    invoice.date = OMDate::today();
    invoice.date += -60;
    EXPECT_EQ(InvoicePage::stampText(invoice, false), "OVERDUE");
    EXPECT_EQ(Stamp::colour(QStringLiteral("OVERDUE")), GUnits::rgb(255, 0, 0));
    invoice.payments.add(payment("Part", 100, OMDate()));
    EXPECT_EQ(InvoicePage::stampText(invoice, false), "OVERDUE");
    invoice.payments.add(payment("All", invoice.totals(false).amountDue().value(), OMDate()));
    EXPECT_EQ(InvoicePage::stampText(invoice, false), "PAID");
    EXPECT_NE(Stamp::colour(QStringLiteral("PAID")), Stamp::colour(QStringLiteral("OVERDUE")));
    // Settled for the VAT flag it is composed with: without VAT it is overpaid.
    invoice.payments.add(payment("VAT", invoice.totals(true).amountDue().value(), OMDate()));
    EXPECT_EQ(InvoicePage::stampText(invoice, true), "PAID");
    EXPECT_EQ(InvoicePage::stampText(invoice, false), "");
    // Nothing paid on nothing owed is no settled invoice.
    EXPECT_EQ(InvoicePage::stampText(JobInvoice(), false), "");
}

TEST_F(InvoicePageTest, TermsDueDateAndBankDetailsWhileSomethingIsDue)
{
    const auto bankText = [this] {
        std::string text;
        for (const auto& object : printed.page().objects(GPage::Body))
            if (const auto* paragraph = dynamic_cast<const GParagraph*>(object.get()))
                for (int i = 0; i < paragraph->itemCount(); ++i)
                    if (paragraph->item(i).text.str().find("Bank details") != std::string::npos)
                        return paragraph->item(i).text.str() + paragraph->item(i + 1).text.str();
        return text;
    };
    JobInvoice invoice = twoRates();
    invoice.date = OMDate(7, 12, 2026, true);
    invoice.daysToPay = 30;
    const GGrid& open = *compose(invoice, false);
    const int row = findRow(open, 2, "AMOUNT DUE");
    ASSERT_GT(row, 0);
    EXPECT_EQ(cell(open, row, 0), "Terms:");
    EXPECT_EQ(cell(open, row, 1), "Payment due within 30 days.\nPayment due by 6 January 2027.");
    EXPECT_EQ(bankText(), "") << "no bank details set";

    SettingsStore::set(SettingKeys::BankAccountName, "D Morgan");
    SettingsStore::set(SettingKeys::BankSortCode, "40-11-62");
    SettingsStore::set(SettingKeys::BankAccountNumber, "71234567");
    SettingsStore::set(SettingKeys::BankBIC, "MIDLGB22");
    SettingsStore::set(SettingKeys::PaymentInstructions, "Quote the invoice number.");
    compose(invoice, false);
    EXPECT_EQ(bankText(), "Bank details\nAccount name: D Morgan\nSort code: 40-11-62    Account "
                          "number: 71234567\nBIC: MIDLGB22\nQuote the invoice number.");

    // Paid in full: no terms, no due date, no bank details.
    invoice.payments.add(payment("All", invoice.totals(false).amountDue().value(), OMDate()));
    const GGrid& paid = *compose(invoice, false);
    const int settled = findRow(paid, 2, "AMOUNT DUE");
    EXPECT_EQ(cell(paid, settled, 3), "0.00");
    EXPECT_EQ(cell(paid, settled, 0), "");
    EXPECT_EQ(cell(paid, settled, 1), "");
    EXPECT_EQ(bankText(), "");
}

TEST_F(InvoicePageTest, ComposingPrintsTheViewsVATFigures)
{
    JobInvoice invoice = twoRates();
    const GGrid& withVAT = *compose(invoice, true);
    EXPECT_EQ(cell(withVAT, 7, 4), invoice.totals(true).grossTotal.toString().str());
    EXPECT_NE(invoice.totals(true).grossTotal, invoice.totals(false).grossTotal);
    const GGrid& without = *compose(invoice, false);
    EXPECT_EQ(findRow(without, 2, "Total including VAT"), -1);
}

TEST_F(InvoicePageTest, ANewUsersEightLineInvoiceWithLogoAndTaglineIsOnePage)
{
    const QTemporaryDir dir;
    SampleDocuments::useElectricianBusiness();
    ASSERT_TRUE(
        SampleDocuments::useElectricianPictureLogo(dir.filePath(QStringLiteral("logo.png"))));
    styles.loadStyles();
    printed.settingsChanged();
    JobInvoice invoice = SampleDocuments::kitchenInvoice();
    ASSERT_EQ(invoice.items.size(), 8);
    const auto logoHeight = [this] {
        const GParagraph& head = *printed.page().paragraph(GPage::Header, false, false);
        const auto* picture = dynamic_cast<const GPicture*>(head.item(0).object.get());
        return picture ? picture->boxSize({}, 1e9).height() : 0.0;
    };
    compose(invoice, false, true);
    EXPECT_EQ(printed.page().getPageCount(), 1);
    EXPECT_NEAR(logoHeight(), GUnits::fromPoints(25 * 72 / 25.4), 1);
    // Without the cap the picture takes its own 300 points and the totals a page of their own.
    SettingsStore::set(SettingKeys::LogoMaxHeight, 0);
    compose(invoice, false, true);
    EXPECT_NEAR(logoHeight(), GUnits::fromPoints(300), 1);
    EXPECT_EQ(printed.page().getPageCount(), 2);
}

TEST_F(InvoicePageTest, TheTotalsStayTogetherWithAtLeastTwoLines)
{
    // Every length from one page to the third, so that the page break falls
    // before, inside and after the totals block.
    int carried = 0;
    for (int lines = 9; lines <= 60; ++lines) {
        JobInvoice invoice = SampleDocuments::longInvoice(lines);
        invoice.payments.add(payment("Second instalment", 5000, OMDate(1, 8, 2024, true)));
        compose(invoice, true, true);
        GPage& page = printed.page();
        int totalsPage = -1;
        std::map<QString, int> pageOf;
        std::vector<int> linesOn(size_t(page.getPageCount()), 0);
        for (int p = 0; p < page.getPageCount(); ++p)
            for (const QString& text : page.pageText(p))
                for (const QString& cell : text.split(QLatin1Char('\t'))) {
                    if (cell.startsWith(QLatin1String("Service visit ")))
                        ++linesOn[size_t(p)];
                    else if (!pageOf.count(cell))
                        pageOf[cell] = p;
                }
        totalsPage =
            pageOf.count(QStringLiteral("SUBTOTAL")) ? pageOf[QStringLiteral("SUBTOTAL")] : -1;
        ASSERT_GE(totalsPage, 0) << lines;
        for (const char* label :
             {"VAT at 5%", "Total including VAT", "Second instalment", "AMOUNT DUE"})
            EXPECT_EQ(pageOf[QString::fromLatin1(label)], totalsPage) << lines << " " << label;
        EXPECT_GE(linesOn[size_t(totalsPage)], 2) << lines;
        if (totalsPage > 0 && linesOn[size_t(totalsPage)] == 2)
            ++carried;
    }
    // Some lengths leave no room under the last line: two lines then go over with the totals.
    EXPECT_GT(carried, 0);
}

TEST_F(InvoicePageTest, ReverseChargeAndCisFigures)
{
    // 1,000.00 labour at 20 %, 200.00 materials at 5 %: VAT 200.00 and 10.00.
    const auto building = [](bool contractor, bool reverse) {
        JobInvoice invoice;
        invoice.daysToPay = 30;
        invoice.customer.vatNumber = "GB123456789";
        invoice.customer.cisContractor = contractor;
        invoice.customer.cisRate = 30;
        invoice.reverseCharge = reverse;
        invoice.items.add(item("Rewiring", 0, 100000, 2000));
        JobItem cable = item("Cable", 0, 20000, 500);
        cable.cisPart = JobItem::CisPart::Materials;
        invoice.items.add(cable);
        return invoice;
    };
    const std::string note = tr(IDS_PRINT_REVERSE_CHARGE_NOTE);
    struct Case
    {
        bool contractor, reverse;
        const char* totalLabel;
        const char* total;
        std::vector<std::string> said, unsaid;
    };
    const Case cases[] = {
        {true,
         true,
         "TOTAL (VAT NOT CHARGED)",
         "1,200.00",
         {note, "Customer's VAT registration number: GB123456789",
          "Labour subject to CIS deduction: £1,000.00", "CIS deduction expected at 30%: £300.00",
          "Net payment expected: £900.00"},
         {}},
        {false, false, "Total including VAT", "1,410.00", {}, {note, "CIS", "GB123456789"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.totalLabel);
        JobInvoice invoice = building(c.contractor, c.reverse);
        const GGrid& grid = *compose(invoice, true);
        const int total = findRow(grid, 2, c.totalLabel);
        ASSERT_GT(total, 0);
        EXPECT_EQ(cell(grid, total, 4), c.total);
        const bool forInformation = findRow(grid, 2, "VAT at 20% (for information)") > 0;
        EXPECT_EQ(forInformation, c.reverse);
        const std::string body = paragraphText(printed.page(), GPage::Body);
        for (const std::string& text : c.said)
            EXPECT_NE(body.find(text), std::string::npos) << text;
        for (const std::string& text : c.unsaid)
            EXPECT_EQ(body.find(text), std::string::npos) << text;
    }

    // Payment details: the deduction stands under its payment, and the two settle.
    JobInvoice invoice = building(true, true);
    JobItem paid = payment("Paid", 90000, OMDate());
    paid.deduction = 30000;
    invoice.payments.add(paid);
    const GGrid& grid = *compose(invoice, true, true);
    const int deducted = findRow(grid, 2, "CIS deducted");
    ASSERT_GT(deducted, 0);
    EXPECT_EQ(cell(grid, deducted, 4), "300.00");
    EXPECT_EQ(cell(grid, findRow(grid, 2, "AMOUNT DUE"), 4), "0.00");
}
