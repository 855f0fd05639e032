#include "JobQuote.h"

#include "app/core/SettingsStore.h"

JobQuote::JobQuote() : Job("quote", "Quote")
{
    reset();
}

JobQuote::JobQuote(const JobQuote& other) : Job("quote", "Quote")
{
    version = other.version;
    *this = other;
}

uint32_t JobQuote::getNextNumber(bool advance)
{
    const auto next = uint32_t(SettingsStore::get(SettingKeys::NextQuoteNo));
    if (advance)
        setNextNumber(next + 1);
    return next;
}

void JobQuote::setNextNumber(uint32_t number)
{
    SettingsStore::set(SettingKeys::NextQuoteNo, int32_t(number));
}
