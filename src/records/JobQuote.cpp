#include "JobQuote.h"

#include "settings/SettingsStore.h"

JobQuote::JobQuote() : Job("quote", "Quote")
{
    reset();
}

uint32_t JobQuote::getNextNumber(bool advance)
{
    return nextNumber(SettingKeys::NextQuoteNo, advance);
}

void JobQuote::setNextNumber(uint32_t number)
{
    storeNextNumber(SettingKeys::NextQuoteNo, number);
}
