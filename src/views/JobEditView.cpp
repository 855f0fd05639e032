#include "JobEditView.h"

#include "documents/JobDoc.h"
#include "print/JobPage.h"
#include "resources/StringTable.h"

JobEditView::JobEditView(JobDoc* document, const TextStyles& styles, QWidget* parent)
    : TabbedEditView(document, parent), m_doc(document), m_styles(styles), m_preview(styles)
{
}

Job& JobEditView::job() const
{
    return m_doc->job();
}

void JobEditView::OnInitialUpdate()
{
    AddTab(IDS_TAB_PREVIEW, &m_preview);
    TabbedEditView::OnInitialUpdate();
}

bool JobEditView::DoDataExchange(bool save)
{
    // The record moves into the tabs before a load pass and out of them after
    // a save pass; the tabs hold it in between.
    return TabbedEditView::DoDataExchange(save);
}

void JobEditView::ComposePage(GPage& page, const PageFonts& fonts)
{
    PageOptions options;
    options.vat = vatFlag();
    options.sections = m_sections;
    options.pageTitle = GetPageTitle();
    JobPage::ComposePage(page, job(), options, m_styles, fonts);
}

bool JobEditView::isSectionOn(Section section) const
{
    switch (section) {
    case Materials:
        return m_sections.materials;
    case Hire:
        return m_sections.hire;
    case Travel:
        return m_sections.travel;
    case Labour:
        return m_sections.labour;
    case LabourBreakdown:
        return m_sections.breakdown;
    }
    return false;
}

bool JobEditView::isSectionEnabled(Section section) const
{
    if (!isPreviewCurrent())
        return false;
    return section != LabourBreakdown || m_sections.labour;
}

void JobEditView::toggleSection(Section section)
{
    switch (section) {
    case Materials:
        m_sections.materials = !m_sections.materials;
        break;
    case Hire:
        m_sections.hire = !m_sections.hire;
        break;
    case Travel:
        m_sections.travel = !m_sections.travel;
        break;
    case Labour:
        m_sections.labour = !m_sections.labour;
        break;
    case LabourBreakdown:
        m_sections.breakdown = !m_sections.breakdown;
        break;
    }
    m_preview.RefreshPage();
    update();
}
