#include "JobQuoteEditView.h"

#include "MessageHook.h"
#include "documents/JobDoc.h"
#include "documents/QuoteImport.h"
#include "records/JobQuote.h"
#include "resources/StringTable.h"

JobQuoteEditView::JobQuoteEditView(JobDoc* document, const TextStyles& styles, QWidget* parent)
    : JobEditView(document, styles, parent)
{
    setJobLabels(IDS_VALIDITY_QUOTE, IDS_NUMBER_QUOTE, IDS_SPECIFY_QUOTE);
}

bool JobQuoteEditView::importEstimate(const QString& path, QString* imported)
{
    updateData(true);
    QuoteImport import;
    QString error;
    if (!import.read(path, &error)) {
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
        return false;
    }
    const bool applyVAT = import.needsVATQuestion() &&
                          MessageHook::show(JobBaseDoc::vatQuestion(), MessageHook::Question,
                                            MessageHook::YesNo) == MessageHook::AnswerYes;
    import.applyTo(static_cast<JobQuote&>(static_cast<JobDoc*>(document())->job()), applyVAT);
    updateData(false);
    document()->setModified(true);
    preview().refreshPage();
    update();
    if (imported)
        *imported = import.sourceName();
    return true;
}

QString JobQuoteEditView::pageTitle() const
{
    return StringTable::text(IDS_TITLE_QUOTE).toQString();
}
