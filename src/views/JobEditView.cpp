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
    m_preview.RefreshPage();
    update();
}
