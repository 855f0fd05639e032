#include "JobQuoteEditView.h"

#include "documents/JobQuoteDoc.h"
#include "resources/StringTable.h"

JobQuoteEditView::JobQuoteEditView(JobQuoteDoc* document, const TextStyles& styles, QWidget* parent)
    : JobEditView(document, styles, parent)
{
}

ombrel::OMString JobQuoteEditView::GetPageTitle() const
{
    return StringTable::text(IDS_TITLE_QUOTE);
}
