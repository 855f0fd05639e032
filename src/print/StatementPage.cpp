#include "StatementPage.h"

#include "InvoicePage.h"
#include "PageFonts.h"
#include "PageHead.h"
#include "PageTable.h"
#include "TextStyles.h"
#include "layout/GGrid.h"
#include "layout/GPage.h"
#include "layout/GParagraph.h"

#include "records/AccountStatement.h"
#include "settings/SettingsStore.h"

using ombrel::OMDate;
using ombrel::OMMoney;
using ombrel::OMString;

namespace {

OMString q(const QString& text)
{
    return OMString::fromQString(text);
}

} // namespace

void StatementPage::composePage(GPage& page, const AccountStatement& statement,
                                const TextStyles& styles, const PageFonts& fonts)
{
    const OMString dateFormat = SettingsStore::dateFormat();
    const OMString currency = SettingsStore::currencySymbol();
    OMString period = OMString("Statement date: ") + statement.asOf.toString(dateFormat);
    if (!statement.from.isEmpty())
        period += OMString("\nFrom: ") + statement.from.toString(dateFormat);
    PageHead::composeAddressBlock(page, fonts, q(statement.customer), period);
    PageTable::caption(page, "\n", fonts.normal);

    const uint32_t footerBackground = styles.background(StyleTableFooter);
    auto grid = PageTable::create(fonts.normal, styles);
    PageTable::setColumn(*grid, 0, GObject::AlignLeft, "00/00/0000");
    PageTable::setColumn(*grid, 1, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 2, GObject::AlignRight, PageTable::MoneySample);
    PageTable::setColumn(*grid, 3, GObject::AlignRight, PageTable::MoneySample);
    PageTable::setColumn(*grid, 4, GObject::AlignRight, PageTable::MoneySample);
    PageTable::addRow(*grid,
                      {"Date", "Details", OMString::format("Debit %s", currency.c_str()),
                       OMString::format("Credit %s", currency.c_str()),
                       OMString::format("Balance %s", currency.c_str())},
                      fonts.normalBold, styles.background(StyleTableHeader), true);

    const auto balanceRow = [&](const OMDate& day, const char* label, OMMoney balance) {
        GGridRow& row = PageTable::addRow(*grid, {day.toString(dateFormat), label},
                                          fonts.normalBold, footerBackground);
        row.cell(4).setText(balance.toString());
        return &row;
    };
    if (!statement.from.isEmpty())
        balanceRow(statement.from, "Balance brought forward", statement.broughtForward);
    for (const AccountStatement::Line& line : statement.lines) {
        GGridRow& row = grid->addRow();
        row.cell(0).setText(line.date.toString(dateFormat));
        row.cell(1).setText(q(line.text));
        row.cell(line.amount < OMMoney() ? 3 : 2)
            .setText((line.amount < OMMoney() ? -line.amount : line.amount).toString());
        row.cell(4).setText(line.balance.toString());
    }
    balanceRow(statement.asOf, "Balance carried forward", statement.carried)->keepWithNext = false;
    page.addParagraph(std::move(grid), GPage::Body);

    PageTable::caption(page, "\nWhat is owed, by how long it is past due", fonts.normalBold);
    auto ageing = PageTable::create(fonts.normal, styles);
    for (int i = 0; i <= AccountStatement::AgeingCount; ++i)
        PageTable::setColumn(*ageing, i, GObject::AlignRight, PageTable::MoneySample,
                             PageTable::Stretching);
    GGridRow& titles =
        PageTable::addRow(*ageing, {}, fonts.normalBold, styles.background(StyleTableHeader), true);
    GGridRow& amounts = PageTable::addRow(*ageing, {}, fonts.normalBold, footerBackground);
    for (int i = 0; i < AccountStatement::AgeingCount; ++i) {
        titles.cell(i).setText(q(AccountStatement::ageingTitle(i)));
        amounts.cell(i).setText(statement.ageing[size_t(i)].toString());
    }
    titles.cell(AccountStatement::AgeingCount).setText("Total due");
    amounts.cell(AccountStatement::AgeingCount).setText(statement.carried.toString());
    page.addParagraph(std::move(ageing), GPage::Body);

    const QStringList bank =
        statement.carried > OMMoney() ? InvoicePage::bankDetails() : QStringList();
    if (!bank.isEmpty()) {
        GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
        paragraph.setHAlign(GObject::AlignLeft);
        paragraph.addString("\n");
        paragraph.addString(q(bank.join(u'\n')), fonts.normal);
    }
}
