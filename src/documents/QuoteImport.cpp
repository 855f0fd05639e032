#include "QuoteImport.h"

#include "JobFileReader.h"
#include "records/JobQuote.h"
#include "settings/SettingsStore.h"

using namespace ombrel;

bool QuoteImport::read(const QString& path, QString* error)
{
    m_read = JobFileReader::read(m_estimate, path, error);
    return m_read;
}

bool QuoteImport::needsVATQuestion() const
{
    return m_read && SettingsStore::isVATRegistered() && !m_estimate.hasVATInfo;
}

void QuoteImport::applyTo(JobQuote& quote, bool applyVAT) const
{
    if (!m_read)
        return;
    // The quote keeps its own reference and its own times, and so its
    // printed date; everything else comes from the estimate.
    const OMString reference = quote.docReference;
    const bool ownReference = quote.ownDocReference;
    const OMTime created = quote.created;
    const OMTime updated = quote.updated;
    quote = m_estimate;
    quote.setDocReference(reference, ownReference);
    quote.created = created;
    quote.updated = updated;

    if (applyVAT && needsVATQuestion()) {
        const Percentage standard(SettingsStore::standardVATRate());
        for (OMList<JobItem>* list : {&quote.materials, &quote.hire}) {
            auto it = list->iterator();
            while (it.hasNext())
                it.next().rate = standard;
        }
        quote.hasVATInfo = true;
    }
}

QString QuoteImport::sourceName() const
{
    return QStringLiteral("%1 %2")
        .arg(QLatin1String(m_estimate.kind().title), m_estimate.docReference.toQString())
        .trimmed();
}
