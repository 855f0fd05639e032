#include "JobPage.h"

#include "PageFonts.h"
#include "PageHead.h"
#include "PageOptions.h"
#include "PageTable.h"
#include "TextStyles.h"
#include "layout/GPage.h"
#include "layout/GParagraph.h"

#include "records/Job.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

using ombrel::OMMoney;
using ombrel::OMString;

namespace {

OMString text(int id)
{
    return StringTable::text(id);
}

OMString money(OMMoney amount)
{
    return amount.toString();
}

OMString hours(double value)
{
    return OMString::format("%.2f", value);
}

OMString days(uint32_t value)
{
    return OMString::format("%u", value);
}

struct Context
{
    GPage& page;
    const Job& job;
    const TextStyles& styles;
    const PageFonts& fonts;
    OMString currency;
    FigureInputs inputs;
};

void summary(const Context& c, const PageOptions& options)
{
    const Job& job = c.job;
    c.page.paragraph(GPage::Body, true, true)->addString("\n");
    auto grid = PageTable::create(c.fonts.normal, c.styles);
    PageTable::setColumn(*grid, 0, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 1, GObject::AlignRight, PageTable::MoneySample);
    PageTable::addRow(*grid,
                      {text(IDS_PRINT_DESCRIPTION),
                       OMString::format(text(IDS_PRINT_AMOUNT_SYMBOL).c_str(), c.currency.c_str())},
                      c.fonts.normalBold, c.styles.background(StyleTableHeader), true);
    const std::pair<int, OMMoney> figures[] = {{IDS_MATERIALS, job.materialsTotal()},
                                               {IDS_HIRE, job.hireTotal()},
                                               {IDS_TRAVEL, job.travelCost(c.inputs)},
                                               {IDS_LABOUR, job.labourTotal()}};
    for (const auto& [label, amount] : figures)
        if (amount != OMMoney())
            PageTable::addRow(*grid, {text(label), money(amount)}, {}, GUnits::NoColour);
    PageTable::addRow(*grid, {text(IDS_PRINT_TOTAL_CAPS), money(job.jobTotal(c.inputs))},
                      c.fonts.normalBold, c.styles.background(StyleTableHeader));
    // A consumer compares prices including VAT: the VAT the job's invoice
    // would charge, by rate, and the total with it.
    const bool withVAT = options.vat && options.vatOnJobs;
    if (withVAT) {
        const JobFigures figures = *job.summary(c.inputs).job;
        for (const VAT& entry : figures.vatByRate)
            PageTable::addRow(*grid,
                              {OMString::format(text(IDS_PRINT_VAT_AT).c_str(),
                                                entry.rate.toText(true).c_str()),
                               money(entry.vatAmount())},
                              {}, GUnits::NoColour);
        PageTable::addRow(*grid, {text(IDS_PRINT_TOTAL_INC_VAT), money(figures.grossTotal)},
                          c.fonts.normalBold, c.styles.background(StyleTableHeader));
    }

    OMString terms("\n");
    if (options.vat && !withVAT)
        terms += text(IDS_PRINT_EXCLUDE_VAT) + "\n\n";
    if (job.displayEAOE)
        terms += text(IDS_PRINT_EAOE) + "\n";
    terms += text(IDS_PRINT_TERMS) + ":" + " " +
             OMString::format(text(IDS_PRINT_VALID_FOR).c_str(), job.kind().title,
                              job.daysValid.toInt());
    PageTable::addRow(*grid, {terms}, c.styles.font(StyleTerms), GUnits::rgb(255, 255, 255));
    c.page.addParagraph(std::move(grid), GPage::Body);
}

void itemTable(const Context& c, int captionId, const ombrel::OMList<JobItem>& items, OMMoney total)
{
    if (items.isEmpty())
        return;
    PageTable::caption(c.page, text(captionId), c.fonts.normalBold);
    auto grid = PageTable::create(c.fonts.detail, c.styles);
    PageTable::setColumn(*grid, 0, GObject::AlignRight, "0,000");
    PageTable::setColumn(*grid, 1, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 2, GObject::AlignRight, PageTable::MoneySample);
    PageTable::setColumn(*grid, 3, GObject::AlignRight, PageTable::MoneySample);
    const char* symbol = c.currency.c_str();
    PageTable::addRow(*grid,
                      {text(IDS_PRINT_QTY), text(IDS_PRINT_DESCRIPTION),
                       OMString::format(text(IDS_PRINT_UNIT_PRICE).c_str(), symbol),
                       OMString::format(text(IDS_PRINT_TOTAL_SYMBOL).c_str(), symbol)},
                      c.fonts.detailBold, c.styles.background(StyleTableHeader), true);
    items.forEach([&](const JobItem& item) {
        PageTable::addRow(
            *grid, {item.quantityText(), item.desc, money(item.price), money(item.lineTotal())}, {},
            GUnits::NoColour);
    });
    PageTable::addRow(*grid, {"", text(IDS_PRINT_TOTAL_CAPS), "", money(total)}, c.fonts.detailBold,
                      c.styles.background(StyleTableHeader));
    c.page.addParagraph(std::move(grid), GPage::Body);
}

void travelTable(const Context& c)
{
    const Job& job = c.job;
    if (!job.chargeTravelDistance && !job.chargeTravelTime)
        return;
    PageTable::caption(c.page, text(IDS_PRINT_CAPTION_TRAVEL), c.fonts.normalBold);
    auto grid = PageTable::create(c.fonts.detail, c.styles);
    PageTable::setColumn(*grid, 0, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 1, GObject::AlignRight, PageTable::MoneySample);
    PageTable::addRow(*grid, {text(IDS_PRINT_DESCRIPTION), text(IDS_PRINT_AMOUNT)},
                      c.fonts.detailBold, c.styles.background(StyleTableHeader), true);
    const auto row = [&](int label, const OMString& value) {
        PageTable::addRow(*grid, {text(label), value}, {}, GUnits::NoColour);
    };
    row(IDS_PRINT_DAYS_ON_SITE, days(job.effectiveDaysOnSite(c.inputs)));
    if (job.chargeTravelDistance) {
        row(IDS_PRINT_DISTANCE, job.distance.toDecimalText());
        row(IDS_PRINT_COST_PER_MILE, money(job.costPerMile));
    }
    if (job.chargeTravelTime) {
        row(IDS_PRINT_TRAVEL_TIME, hours(job.hoursTravel));
        row(IDS_PRINT_HOURLY_RATE, money(job.hourlyRate));
    }
    if (job.chargeTravelDistance && job.chargeTravelTime) {
        row(IDS_PRINT_TRAVEL_COST_TIME, money(job.travelTimeCost(c.inputs)));
        row(IDS_PRINT_TRAVEL_COST_DISTANCE, money(job.travelDistanceCost(c.inputs)));
    }
    PageTable::addRow(*grid, {text(IDS_PRINT_TOTAL_CAPS), money(job.travelCost(c.inputs))},
                      c.fonts.detailBold, c.styles.background(StyleTableFooter));
    c.page.addParagraph(std::move(grid), GPage::Body);
}

void labourTable(const Context& c)
{
    const Job& job = c.job;
    if (job.hoursItems.isEmpty())
        return;
    PageTable::caption(c.page, text(IDS_PRINT_CAPTION_LABOUR), c.fonts.normalBold);
    auto grid = PageTable::create(c.fonts.detail, c.styles);
    PageTable::setColumn(*grid, 0, GObject::AlignLeft, nullptr, PageTable::Stretching);
    for (int column = 1; column <= 3; ++column)
        PageTable::setColumn(*grid, column, GObject::AlignRight, PageTable::MoneySample);
    const OMString hoursSymbol = SettingsStore::hoursSymbol();
    PageTable::addRow(*grid,
                      {text(IDS_PRINT_DESCRIPTION), text(IDS_PRINT_HOURS),
                       OMString::format(text(IDS_PRINT_RATE_SYMBOLS).c_str(), c.currency.c_str(),
                                        hoursSymbol.c_str()),
                       OMString::format(text(IDS_PRINT_TOTAL_SYMBOL).c_str(), c.currency.c_str())},
                      c.fonts.detailBold, c.styles.background(StyleTableHeader), true);
    PageTable::addRow(*grid,
                      {text(IDS_PRINT_HOURS_SELF), hours(job.totalHours()), money(job.hourlyRate),
                       money(job.labourHoursCost())},
                      {}, GUnits::NoColour);
    job.hoursItems.forEach([&](const JobItem& item) {
        PageTable::addRow(
            *grid, {item.desc, item.countText("%.2f"), money(item.price), money(item.lineTotal())},
            {}, GUnits::NoColour);
    });
    PageTable::addRow(*grid, {text(IDS_PRINT_TOTAL_CAPS), "", "", money(job.labourTotal())},
                      c.fonts.detailBold, c.styles.background(StyleTableFooter));
    c.page.addParagraph(std::move(grid), GPage::Body);
}

void labourBreakdown(const Context& c)
{
    const Job& job = c.job;
    PageTable::caption(c.page, text(IDS_PRINT_CAPTION_BREAKDOWN), c.fonts.normalBold);
    auto grid = PageTable::create(c.fonts.detail, c.styles);
    PageTable::setColumn(*grid, 0, GObject::AlignLeft, nullptr, PageTable::Stretching);
    PageTable::setColumn(*grid, 1, GObject::AlignRight, nullptr);
    const std::pair<int, double> categories[] = {{IDS_PRINT_RESEARCH, job.hoursResearch},
                                                 {IDS_PRINT_PURCHASE, job.hoursPurchase},
                                                 {IDS_PRINT_COMPLETE_JOB, job.hoursWork},
                                                 {IDS_PRINT_INSPECT, job.hoursInspection},
                                                 {IDS_PRINT_ADMIN, job.hoursAdmin}};
    for (const auto& [label, value] : categories)
        if (value != 0.0)
            PageTable::addRow(*grid, {text(label), hours(value)}, {}, GUnits::NoColour);
    PageTable::addRow(*grid, {text(IDS_PRINT_TOTAL_WORK_HOURS), hours(job.totalHours())}, {},
                      GUnits::NoColour);
    PageTable::addRow(*grid,
                      {text(IDS_PRINT_DAYS_ON_SITE), days(job.effectiveDaysOnSite(c.inputs))}, {},
                      GUnits::NoColour);
    PageTable::addRow(*grid, {text(IDS_PRINT_HOURLY_RATE), money(job.hourlyRate)}, {},
                      GUnits::NoColour);
    PageTable::addRow(*grid, {text(IDS_PRINT_TOTAL_CAPS), money(job.labourHoursCost())},
                      c.fonts.detailBold, c.styles.background(StyleTableFooter));
    c.page.addParagraph(std::move(grid), GPage::Body);
}

} // namespace

void JobPage::composePage(GPage& page, const Job& job, const PageOptions& options,
                          const TextStyles& styles, const PageFonts& fonts)
{
    FigureInputs inputs;
    inputs.vatRegistered = options.vat;
    inputs.dailyWorkingHours = options.dailyWorkingHours;
    inputs.standardVATRate = SettingsStore::standardVATRate();
    const Context c{page, job, styles, fonts, SettingsStore::currencySymbol(), inputs};
    PageHead::composeJobAddress(page, job, fonts);
    summary(c, options);

    const PageSections s = options.sections;
    if (!(s &
          (PageSection::Materials | PageSection::Hire | PageSection::Travel | PageSection::Labour)))
        return;
    GParagraph& heading = *page.paragraph(GPage::Body, true, true);
    heading.setHAlign(GObject::AlignLeft);
    heading.setKeepWithNext(true);
    heading.addString("\n\n");
    heading.addString(text(IDS_PRINT_BREAKDOWN) + "\n", fonts.heading);
    if (s & PageSection::Materials)
        itemTable(c, IDS_PRINT_CAPTION_MATERIALS, job.materials, job.materialsTotal());
    if (s & PageSection::Hire)
        itemTable(c, IDS_PRINT_CAPTION_HIRE, job.hire, job.hireTotal());
    if (s & PageSection::Travel)
        travelTable(c);
    if (s & PageSection::Labour)
        labourTable(c);
    if (s.testFlags(PageSection::Labour | PageSection::LabourBreakdown))
        labourBreakdown(c);
}
