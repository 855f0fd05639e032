#include "JobEditView.h"

#include "TotalsStrip.h"
#include "documents/JobDoc.h"
#include "foundation/OMUInt32.h"
#include "print/JobPage.h"
#include "records/Job.h"
#include "resources/StringTable.h"
#include "settings/NumberEntry.h"

#include <tuple>
#include <utility>

using ombrel::OMDouble;
using ombrel::OMMoney;
using ombrel::OMString;

namespace {

// Hours show at least two decimals and every further one they have, so that
// reading the text back gives the stored value again.
QString hoursText(const OMDouble& hours)
{
    return hours.toDecimalText(6, 2).toQString();
}

} // namespace

JobEditView::JobEditView(JobDoc* document, const TextStyles& styles, QWidget* parent)
    : TabbedEditView(document, parent), m_doc(document), m_styles(styles), m_preview(styles)
{
}

Job& JobEditView::job() const
{
    return m_doc->job();
}

void JobEditView::onInitialUpdate()
{
    addTab(IDS_TAB_CUSTOMER, &m_customer);
    addTab(IDS_TAB_LOCATION, &m_location);
    addTab(IDS_TAB_DESCRIPTION, &m_job);
    addTab(IDS_LABOUR, &m_labour);
    addTab(IDS_TRAVEL, &m_travel);
    addTab(IDS_MATERIALS, &m_materials);
    addTab(IDS_HIRE, &m_hire);
    addTab(IDS_TAB_PREVIEW, &m_preview);
    // The travel tab works the days on site out from the labour hours.
    m_travel.setLabourTab(&m_labour);
    m_labour.setFiguresCheck(
        [this](const LabourTab::Fields& candidate) { return labourWithinBound(candidate); });
    TabbedEditView::onInitialUpdate();
}

bool JobEditView::exchangeData(bool save)
{
    // The record moves into the tabs before a load pass and out of them after
    // a save pass; the tabs hold it in between.
    if (!save) {
        loadFields();
        return TabbedEditView::exchangeData(false);
    }
    if (!TabbedEditView::exchangeData(true))
        return false;
    // Nothing was typed: the record keeps its values, whatever the controls
    // hold (the grid tabs have already rebuilt their lists).
    if (document()->isModified())
        saveFields();
    return true;
}

void JobEditView::setJobLabels(int validityId, int numberId, int specifyId)
{
    m_job.fields.validityLabelId = validityId;
    m_job.fields.numberLabelId = numberId;
    m_job.fields.specifyLabelId = specifyId;
}

void JobEditView::loadFields()
{
    Job& record = job();
    m_customer.loadCustomer(record.customer);
    m_location.loadLocation(record.location, record.sameAsCustomer);
    m_job.loadJob(record);
    m_materials.bindItems(&record.materials);
    m_hire.bindItems(&record.hire);
    // The labour tab's fields are still the record's text.
    LabourTab::Fields& labour = m_labour.fields;
    labour.research = hoursText(record.hoursResearch);
    labour.purchase = hoursText(record.hoursPurchase);
    labour.work = hoursText(record.hoursWork);
    labour.inspection = hoursText(record.hoursInspection);
    labour.admin = hoursText(record.hoursAdmin);
    labour.rate = record.hourlyRate.toString().toQString();
    m_labour.bindItems(&record.hoursItems);

    TravelTab::Fields& travel = m_travel.fields;
    travel.tripTime = hoursText(record.hoursTravel);
    travel.tripDistance = record.distance.toDecimalText().toQString();
    travel.costPerUnit = record.costPerMile.toString().toQString();
    travel.specifyDays = record.daysOnSite != 0;
    travel.daysOnSite = travel.specifyDays ? record.daysOnSite.toString().toQString() : QString();
    travel.chargeTime = record.chargeTravelTime;
    travel.chargeDistance = record.chargeTravelDistance;
}

void JobEditView::saveFields()
{
    Job& record = job();
    m_job.saveJob(record); // the number first: the title below shows it
    record.updated = ombrel::OMTime(true);
    if (m_doc->numberTaken()) {
        // A new document never saved is still named after its number.
        document()->setTitle(m_doc->displayName());
    }
    m_customer.saveCustomer(record.customer);
    record.sameAsCustomer = m_location.saveLocation(record.location);
    saveFigureFields();
}

bool JobEditView::labourWithinBound(const LabourTab::Fields& candidate) const
{
    // The record is summed with the candidate values in place of its own,
    // which it then gets back.
    Job& record = job();
    const auto kept = std::tuple(record.hoursResearch, record.hoursPurchase, record.hoursWork,
                                 record.hoursInspection, record.hoursAdmin, record.hourlyRate);
    record.hoursResearch = OMString::fromQString(candidate.research);
    record.hoursPurchase = OMString::fromQString(candidate.purchase);
    record.hoursWork = OMString::fromQString(candidate.work);
    record.hoursInspection = OMString::fromQString(candidate.inspection);
    record.hoursAdmin = OMString::fromQString(candidate.admin);
    record.hourlyRate = OMMoney(OMString::fromQString(candidate.rate));
    FigureInputs inputs = FigureInputs::current();
    inputs.vatRegistered = true; // the larger total
    const DocumentSummary summary = record.summary(inputs);
    std::tie(record.hoursResearch, record.hoursPurchase, record.hoursWork, record.hoursInspection,
             record.hoursAdmin, record.hourlyRate) = kept;
    const JobFigures& f = *summary.job;
    for (const OMMoney figure :
         {f.labourHoursCost, f.labourTotal, f.travelCost, f.jobTotal, f.grossTotal})
        if (!NumberEntry::withinBound(figure.value()))
            return false;
    return true;
}

void JobEditView::saveFigureFields()
{
    Job& record = job();
    const LabourTab::Fields& labour = m_labour.fields;
    record.hoursResearch = OMString::fromQString(labour.research);
    record.hoursPurchase = OMString::fromQString(labour.purchase);
    record.hoursWork = OMString::fromQString(labour.work);
    record.hoursInspection = OMString::fromQString(labour.inspection);
    record.hoursAdmin = OMString::fromQString(labour.admin);
    record.hourlyRate = OMMoney(OMString::fromQString(labour.rate));

    const TravelTab::Fields& travel = m_travel.fields;
    record.hoursTravel = OMString::fromQString(travel.tripTime);
    record.distance = OMString::fromQString(travel.tripDistance);
    record.costPerMile = OMMoney(OMString::fromQString(travel.costPerUnit));
    record.daysOnSite = travel.specifyDays
                            ? ombrel::OMUInt32::fromText(OMString::fromQString(travel.daysOnSite))
                            : 0u;
    record.chargeTravelTime = travel.chargeTime;
    record.chargeTravelDistance = travel.chargeDistance;
}

bool JobEditView::showsTotals(const EditTab* tab) const
{
    return tab == &m_labour || tab == &m_travel || tab == &m_materials || tab == &m_hire;
}

void JobEditView::takeFigures(EditTab* tab)
{
    // A grid's rows are copied as they are, without closing the editor that
    // is committing; the labour and travel tabs' passes read no field that
    // can fail.
    if (auto* grid = qobject_cast<GridTab*>(tab))
        grid->saveRows();
    else
        tab->updateData(DataExchange::Save);
    saveFigureFields();
}

void JobEditView::refreshTotals()
{
    const EditTab* tab = currentTab();
    FigureInputs inputs = FigureInputs::current();
    inputs.vatRegistered = vatFlag();
    const DocumentSummary summary = job().summary(inputs);
    const JobFigures& f = *summary.job;
    const auto section = [&]() -> std::pair<int, OMMoney> {
        if (tab == &m_labour)
            return {IDS_LABOUR, f.labourTotal};
        if (tab == &m_travel)
            return {IDS_TRAVEL, f.travelCost};
        if (tab == &m_materials)
            return {IDS_MATERIALS, f.materialsTotal};
        return {IDS_HIRE, f.hireTotal};
    }();
    totalsStrip()->setFigures(TotalsStrip::jobFigures(
        summary, StringTable::text(section.first).toQString(), section.second, vatFlag()));
}

void JobEditView::composePage(GPage& page, const PageFonts& fonts)
{
    PageOptions options;
    options.vat = vatFlag();
    options.sections = m_sections;
    options.pageTitle = OMString::fromQString(pageTitle());
    JobPage::composePage(page, job(), options, m_styles, fonts);
}

bool JobEditView::isSectionOn(Section section) const
{
    return m_sections.testFlag(section);
}

bool JobEditView::isSectionEnabled(Section section) const
{
    if (!isPreviewCurrent())
        return false;
    return section != PageSection::LabourBreakdown || m_sections.testFlag(PageSection::Labour);
}

void JobEditView::toggleSection(Section section)
{
    m_sections ^= section;
    m_preview.refreshPage();
    update();
}
