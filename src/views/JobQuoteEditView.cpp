#include "JobQuoteEditView.h"

#include "documents/JobDoc.h"
#include "documents/QuoteImport.h"
#include "records/JobQuote.h"
#include "resources/StringTable.h"

JobQuoteEditView::JobQuoteEditView(JobDoc* document, const TextStyles& styles, QWidget* parent)
    : JobEditView(document, styles, parent)
{
    setJobLabels(IDS_VALIDITY_QUOTE, IDS_NUMBER_QUOTE, IDS_SPECIFY_QUOTE);
}

bool JobQuoteEditView::importEstimate(const QString& path)
{
    updateData(true);
    if (!QuoteImport::importFile(static_cast<JobQuote&>(static_cast<JobDoc*>(document())->job()),
                                 path))
        return false;
    updateData(false);
    document()->setModified(true);
    preview().refreshPage();
    update();
    return true;
}

ombrel::OMString JobQuoteEditView::pageTitle() const
{
    return StringTable::text(IDS_TITLE_QUOTE);
}
