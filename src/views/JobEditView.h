#pragma once

#include "CustomerTab.h"
#include "HireTab.h"
#include "JobTab.h"
#include "LabourTab.h"
#include "LocationTab.h"
#include "MaterialsTab.h"
#include "PreviewTab.h"
#include "TabbedEditView.h"
#include "TravelTab.h"
#include "print/PageOptions.h"

class Job;
class JobDoc;
class TextStyles;

/**
 * The view of an estimate or a quote: its tabs, in display order, and the five
 * View-menu switches that choose the breakdown tables of the printed page.
 * The switches start off in every new window and are stored nowhere.
 */
class JobEditView : public TabbedEditView
{
    Q_OBJECT

public:
    using Section = PageSection;

    Job& job() const;
    CustomerTab& customer() { return m_customer; }
    LocationTab& location() { return m_location; }
    LabourTab& labour() { return m_labour; }
    TravelTab& travel() { return m_travel; }
    MaterialsTab& materials() { return m_materials; }
    HireTab& hire() { return m_hire; }
    PreviewTab& preview() { return m_preview; }
    PreviewTab* previewTab() override { return &m_preview; }

    void onInitialUpdate() override;
    void composePage(GPage& page, const PageFonts& fonts) override;

    PageSections sections() const { return m_sections; }
    bool isSectionOn(Section section) const;
    /// A switch is offered only on the Preview tab; the detailed labour
    /// breakdown only while the labour table is on.
    bool isSectionEnabled(Section section) const;
    /// Flips a switch and shows the page with or without that table.
    void toggleSection(Section section);

protected:
    JobEditView(JobDoc* document, const TextStyles& styles, QWidget* parent);

    bool exchangeData(bool save) override;
    /// Labour, Travel, Materials and Hire: the section's total and the job's.
    bool showsTotals(const EditTab* tab) const override;
    void takeFigures(EditTab* tab) override;
    void refreshTotals() override;
    /// The job tab's texts of this kind: validity label, number label and
    /// specify-number box.
    void setJobLabels(int validityId, int numberId, int specifyId);

private:
    /// Record into the tabs' fields, before a load pass.
    void loadFields();
    /// The tabs' fields into the record, after a save pass.
    void saveFields();
    /// The labour and travel fields into the record: what its figures read.
    void saveFigureFields();
    /// Whether every figure of the job stays within the bound with the
    /// labour fields as `candidate` holds them.
    bool labourWithinBound(const LabourTab::Fields& candidate) const;

    JobDoc* m_doc;
    const TextStyles& m_styles;
    // The tabs; they are shown in the order onInitialUpdate adds them.
    CustomerTab m_customer;
    JobTab m_job;
    LocationTab m_location;
    LabourTab m_labour;
    TravelTab m_travel;
    MaterialsTab m_materials;
    HireTab m_hire;
    PreviewTab m_preview;
    PageSections m_sections;
};
