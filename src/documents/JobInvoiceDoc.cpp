#include "JobInvoiceDoc.h"

#include "settings/SettingsStore.h"

bool JobInvoiceDoc::OnNewDocument(QString* error)
{
    if (!JobBaseDoc::OnNewDocument(error))
        return false;
    invoice().displayEAOE = SettingsStore::get(SettingKeys::DisplayEAOE) == 1;
    invoice().daysToPay = uint32_t(SettingsStore::get(*invoice().kind().termsSetting));
    return true;
}
