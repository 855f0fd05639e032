#include "PrintTestSupport.h"

#include "SampleDocuments.h"

#include "records/JobEstimate.h"
#include "records/JobQuote.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

using namespace PrintTestSupport;
using ombrel::OMMoney;

namespace {

class JobPageTest : public PrintTest
{
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        SettingsStore::set(SettingKeys::CurrencySymbol, "£");
        SettingsStore::set(SettingKeys::HoursSymbol, "hr");
    }
    /// The body's grids after the address block.
    std::vector<const GGrid*> compose(const Job& job, const PageOptions& o)
    {
        printed.compose(job, o);
        auto found = grids(printed.page(), GPage::Body);
        found.erase(found.begin());
        return found;
    }
    static JobEstimate labourOnly()
    {
        JobEstimate job;
        job.hourlyRate = 2000;
        job.hoursWork = 3;
        job.daysValid = 60;
        return job;
    }

    PrintedPage printed{styles};
};

} // namespace

TEST_F(JobPageTest, SummaryListsOnlyFiguresThatAreNotZero)
{
    const JobEstimate job = labourOnly();
    const auto tables = compose(job, options(IDS_TITLE_ESTIMATE));
    ASSERT_EQ(tables.size(), 1u);
    const GGrid& summary = *tables[0];
    EXPECT_EQ(column(summary, 0),
              (std::vector<std::string>{"Description", "Labour", "TOTAL",
                                        "\nE & OE\nTerms: Estimate valid for 60 days"}));
    EXPECT_EQ(cell(summary, 0, 1), "Amount\n£");
    EXPECT_EQ(cell(summary, 1, 1), job.labourTotal().toString().str());
    EXPECT_EQ(cell(summary, 2, 1), job.jobTotal(FigureInputs::current()).toString().str());
    EXPECT_EQ(summary.column(1).sample(), "0,000,000.00");
    EXPECT_EQ(summary.column(0).flags(), GObject::FlagTakeRest | GObject::FlagFitContent);
    EXPECT_EQ(summary.headerRowCount(), 1);

    // Header and sum rows: bold Normal on the table-header colour; terms in the Terms style on
    // white.
    const GLayoutContext context{printed.fonts().normal};
    EXPECT_EQ(summary.cellFont(context, 0, 0), printed.fonts().normalBold);
    EXPECT_EQ(summary.cellBackground(0, 0), styles.background(StyleTableHeader));
    EXPECT_EQ(summary.cellFont(context, 1, 0), printed.fonts().normal);
    EXPECT_EQ(summary.cellBackground(1, 0), styles.background(StyleTableOddRow));
    EXPECT_EQ(summary.cellBackground(2, 1), styles.background(StyleTableHeader));
    EXPECT_EQ(summary.cellFont(context, 3, 0), styles.font(StyleTerms));
    EXPECT_EQ(summary.cellTextColour(context, 3, 0), 200u);
    EXPECT_EQ(summary.cellBackground(3, 0), GUnits::rgb(255, 255, 255));
    EXPECT_EQ(paragraphText(printed.page(), GPage::Body).find("Breakdown of costs"),
              std::string::npos);
}

TEST_F(JobPageTest, AllZeroJobStillPrintsTotalAndTerms)
{
    JobQuote quote;
    quote.daysValid = 30;
    quote.displayEAOE = false;
    PageOptions o = options(IDS_TITLE_QUOTE, true);
    o.vatOnJobs = false;
    const GGrid& summary = *compose(quote, o).at(0);
    EXPECT_EQ(column(summary, 0),
              (std::vector<std::string>{
                  "Description", "TOTAL",
                  "\nAll prices shown exclude VAT.\n\nTerms: Quote valid for 30 days"}));
    EXPECT_EQ(cell(summary, 1, 1), "0.00");
}

TEST_F(JobPageTest, VATLinesFollowTheOptionAndTheRegistration)
{
    // Labour and travel at the standard rate, materials and hire at their own.
    SettingsStore::set(SettingKeys::VATRate, 2000);
    JobEstimate job = labourOnly(); // 60.00 of labour
    job.materials.add(SampleDocuments::item("Boiler", 1, 100000, 2000));
    job.materials.add(SampleDocuments::item("Controls", 1, 10000, 500));
    job.hire.add(SampleDocuments::item("Skip", 1, 20000, 2000));
    job.displayEAOE = false;
    struct Case
    {
        bool vat;
        bool option;
        std::vector<std::string> labels;
        std::vector<std::string> amounts;
    };
    const Case cases[] = {
        {true, true,
         {"TOTAL", "VAT at 5%", "VAT at 20%", "Total including VAT",
          "\nTerms: Estimate valid for 60 days"},
         {"1,360.00", "5.00", "252.00", "1,617.00", ""}},
        {true, false,
         {"TOTAL", "\nAll prices shown exclude VAT.\n\nTerms: Estimate valid for 60 days"},
         {"1,360.00", ""}},
        {false, true, {"TOTAL", "\nTerms: Estimate valid for 60 days"}, {"1,360.00", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "vat " << c.vat << " option " << c.option);
        PageOptions o = options(IDS_TITLE_ESTIMATE, c.vat);
        o.vatOnJobs = c.option;
        const GGrid& summary = *compose(job, o).at(0);
        const int first = findRow(summary, 0, "TOTAL");
        ASSERT_GT(first, 0);
        std::vector<std::string> labels = column(summary, 0);
        std::vector<std::string> amounts = column(summary, 1);
        labels.erase(labels.begin(), labels.begin() + first);
        amounts.erase(amounts.begin(), amounts.begin() + first);
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(amounts, c.amounts);
    }
    // The option reads as on until the user turns it off.
    EXPECT_TRUE(PageOptions().vatOnJobs);
    SettingsStore::set(SettingKeys::ShowVATOnEstimates, 0);
    EXPECT_FALSE(PageOptions().vatOnJobs);
}

TEST_F(JobPageTest, BreakdownTablesFollowTheSectionFlags)
{
    const JobEstimate job = SampleDocuments::bathroomEstimate();
    PageOptions o = options(IDS_TITLE_ESTIMATE);
    o.sections = AllPageSections;
    const auto tables = compose(job, o);
    ASSERT_EQ(tables.size(), 6u);
    const std::string body = paragraphText(printed.page(), GPage::Body);
    EXPECT_NE(
        body.find(
            "Breakdown of costs\n\nMaterials\n\nHire\n\nTravel\n\nLabour\n\nLabour Breakdown\n"),
        std::string::npos);

    const GGrid& materials = *tables[1];
    EXPECT_EQ(column(materials, 0).front(), "Qty");
    EXPECT_EQ(cell(materials, 0, 2), "Unit Price\n£");
    EXPECT_EQ(cell(materials, 0, 3), "Total\n£");
    EXPECT_EQ(materials.rowCount(), job.materials.size() + 2);
    EXPECT_EQ(cell(materials, 6, 0), "")
        << "a line without a quantity counts as one and shows none";
    EXPECT_EQ(cell(materials, 5, 0), "6");
    EXPECT_EQ(cell(materials, 5, 3), "74.40");
    EXPECT_EQ(cell(materials, 7, 1), "TOTAL");
    EXPECT_EQ(cell(materials, 7, 3), job.materialsTotal().toString().str());
    EXPECT_EQ(materials.cellBackground(7, 0), styles.background(StyleTableHeader));
    const GLayoutContext context{printed.fonts().normal};
    EXPECT_EQ(materials.cellFont(context, 1, 1), printed.fonts().detail);
    EXPECT_EQ(materials.cellFont(context, 7, 1), printed.fonts().detailBold);

    const GGrid& travel = *tables[3];
    EXPECT_EQ(column(travel, 0),
              (std::vector<std::string>{"Description", "Days on site",
                                        "Distance to/from site (miles)", "Cost per mile",
                                        "Time to/from site (hours)", "Hourly rate (£/hr)",
                                        "Travel cost (time)", "Travel cost (distance)", "TOTAL"}));
    EXPECT_EQ(cell(travel, 2, 1), "12");
    EXPECT_EQ(cell(travel, 4, 1), "0.75");
    EXPECT_EQ(travel.cellBackground(8, 0), styles.background(StyleTableFooter));

    const GGrid& labour = *tables[4];
    EXPECT_EQ(cell(labour, 0, 2), "Rate\n£/hr");
    EXPECT_EQ(column(labour, 0),
              (std::vector<std::string>{"Description", "Hours - self", "Apprentice", "TOTAL"}));
    EXPECT_EQ(cell(labour, 1, 1), "31.00");
    EXPECT_EQ(cell(labour, 2, 1), "24.00");
    EXPECT_EQ(cell(labour, 3, 3), job.labourTotal().toString().str());

    const GGrid& breakdown = *tables[5];
    EXPECT_EQ(breakdown.headerRowCount(), 0);
    EXPECT_EQ(column(breakdown, 0),
              (std::vector<std::string>{"Research", "Purchase Materials", "Complete Job",
                                        "Inspect and check", "Administration", "Total work hours",
                                        "Days on site", "Hourly rate (£/hr)", "TOTAL"}));
    EXPECT_TRUE(breakdown.column(1).sample().isEmpty());

    // A part distance prints in full, so that days x distance x rate reads as the cost.
    JobEstimate part = job;
    part.distance = 18.375;
    EXPECT_EQ(cell(*compose(part, o).at(3), 2, 1), "18.375");
}

TEST_F(JobPageTest, TablesWithNothingToShowAreLeftOut)
{
    JobEstimate job = labourOnly();
    job.hoursPurchase = 1;
    PageOptions o = options(IDS_TITLE_ESTIMATE);
    o.sections.setFlag(PageSection::Labour, true);
    o.sections |= PageSection::Travel;
    o.sections |= PageSection::LabourBreakdown;
    o.sections |= PageSection::Materials;
    const auto tables = compose(job, o);
    // No hourly charges, no travel charge, no materials: only the breakdown.
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(column(*tables[1], 0).front(), "Purchase Materials") << "no Research row for 0 hours";
    const std::string body = paragraphText(printed.page(), GPage::Body);
    EXPECT_EQ(body.find("\nTravel\n"), std::string::npos);
    EXPECT_EQ(body.find("\nLabour\n"), std::string::npos);
    EXPECT_NE(body.find("Labour Breakdown"), std::string::npos);

    o.sections.setFlag(PageSection::Labour, false);
    EXPECT_EQ(compose(job, o).size(), 1u) << "the breakdown needs the labour switch";
    EXPECT_NE(paragraphText(printed.page(), GPage::Body).find("Breakdown of costs"),
              std::string::npos);

    o.sections = PageSection::LabourBreakdown;
    compose(job, o);
    EXPECT_EQ(paragraphText(printed.page(), GPage::Body).find("Breakdown of costs"),
              std::string::npos);
}
