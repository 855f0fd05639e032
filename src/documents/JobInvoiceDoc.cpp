#include "JobInvoiceDoc.h"

#include "settings/SettingsStore.h"

bool JobInvoiceDoc::OnNewDocument(QString* error)
{
    if (!JobBaseDoc::OnNewDocument(error))
        return false;
    m_record.displayEAOE = SettingsStore::get(SettingKeys::DisplayEAOE) == 1;
    m_record.daysToPay = uint32_t(SettingsStore::get(SettingKeys::TermsInvoice));
    return true;
}

void JobInvoiceDoc::applyStandardRate(int32_t rate)
{
    auto it = m_record.items.iterator();
    while (it.hasNext())
        it.next().rate = rate;
}
