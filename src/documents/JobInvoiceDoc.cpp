#include "JobInvoiceDoc.h"

#include "settings/SettingsStore.h"

bool JobInvoiceDoc::onNewDocument(QString* error)
{
    if (!JobBaseDoc::onNewDocument(error))
        return false;
    invoice().displayEAOE = SettingsStore::get(SettingKeys::DisplayEAOE) == 1;
    if (const IntegerSetting* terms = invoice().kind().termsSetting)
        invoice().daysToPay = uint32_t(SettingsStore::get(*terms));
    return true;
}

bool JobInvoiceDoc::recordReminder(const Reminder& reminder, QString* error)
{
    invoice().reminders.push_back(reminder);
    return keepRecordedFact(error);
}
