#include "QuoteImport.h"

#include "JobFileReader.h"
#include "foundation/MessageHook.h"
#include "records/JobEstimate.h"
#include "records/JobQuote.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

using namespace ombrel;

bool QuoteImport::importFile(JobQuote& quote, const QString& path, bool* vatApplied)
{
    if (vatApplied)
        *vatApplied = false;
    JobEstimate estimate;
    if (!JobFileReader::read(estimate, path))
        return false;

    const bool registered = SettingsStore::IsVATRegistered();
    const Percentage standard = registered ? Percentage(SettingsStore::GetStandardVATRate()) : 0;

    // The quote keeps its own reference and its own times, and so its
    // printed date; everything else comes from the estimate.
    const OMString reference = quote.docReference;
    const bool ownReference = quote.ownDocReference;
    const OMTime created = quote.created;
    const OMTime updated = quote.updated;
    quote = estimate;
    quote.setDocReference(reference, ownReference);
    quote.created = created;
    quote.updated = updated;

    if (registered && !quote.hasVATInfo) {
        const OMString question = OMString::format(
            StringTable::text(IDS_APPLY_VAT_QUESTION).c_str(), standard.toText(true).c_str());
        if (MessageHook::show(question, MessageHook::Question, MessageHook::YesNo) ==
            MessageHook::AnswerYes) {
            for (OMList<JobItem>* list : {&quote.materials, &quote.hire}) {
                auto it = list->iterator();
                while (it.hasNext())
                    it.next().rate = standard;
            }
            quote.hasVATInfo = true;
            if (vatApplied)
                *vatApplied = true;
        }
    }
    return true;
}
