#include "JobQuote.h"

#include "settings/SettingsStore.h"

JobQuote::JobQuote() : Job("quote", "Quote")
{
    reset();
}

bool JobQuote::takeNextNumber(uint32_t& number, QString* error)
{
    return takeNumber(SettingKeys::NextQuoteNo, number, error);
}

bool JobQuote::giveNumberBack(uint32_t number, QString* error)
{
    return giveBack(SettingKeys::NextQuoteNo, number, error);
}
