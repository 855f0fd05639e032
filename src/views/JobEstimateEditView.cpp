#include "JobEstimateEditView.h"

#include "documents/JobDoc.h"
#include "records/JobEstimate.h"
#include "resources/StringTable.h"

JobEstimateEditView::JobEstimateEditView(JobDoc* document, const TextStyles& styles,
                                         QWidget* parent)
    : JobEditView(document, styles, parent)
{
    setJobLabels(IDS_VALIDITY_ESTIMATE, IDS_NUMBER_ESTIMATE, IDS_SPECIFY_ESTIMATE);
}

QString JobEstimateEditView::pageTitle() const
{
    return StringTable::text(IDS_TITLE_ESTIMATE).toQString();
}
