#include "JobEstimateEditView.h"

#include "documents/JobEstimateDoc.h"
#include "resources/StringTable.h"

JobEstimateEditView::JobEstimateEditView(JobEstimateDoc* document, const TextStyles& styles,
                                         QWidget* parent)
    : JobEditView(document, styles, parent)
{
}

ombrel::OMString JobEstimateEditView::GetPageTitle() const
{
    return StringTable::text(IDS_TITLE_ESTIMATE);
}
