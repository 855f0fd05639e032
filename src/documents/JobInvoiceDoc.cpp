#include "JobInvoiceDoc.h"

#include "settings/SettingsStore.h"

bool JobInvoiceDoc::OnNewDocument()
{
    if (!JobBaseDoc::OnNewDocument())
        return false;
    invoice().displayEAOE = SettingsStore::get(SettingKeys::DisplayEAOE) == 1;
    invoice().daysToPay = uint32_t(SettingsStore::get(*invoice().kind().termsSetting));
    return true;
}
