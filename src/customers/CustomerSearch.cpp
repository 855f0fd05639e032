#include "CustomerSearch.h"

#include "CustomerDatabase.h"
#include "resources/StringTable.h"

using namespace ombrel;

namespace {

bool isMatch(const Customer& c, const Customer& fields, const OMString& address)
{
    const std::pair<const OMString*, const OMString*> pairs[] = {
        {&fields.name, &c.name},
        {&fields.surname, &c.surname},
        {&fields.company, &c.company},
        {&fields.initial, &c.initial},
        {&fields.title, &c.title},
        {&fields.address.town, &c.address.town},
        {&fields.address.county, &c.address.county},
        {&fields.address.postcode, &c.address.postcode},
        {&fields.phone, &c.phone},
        {&fields.fax, &c.fax},
        {&fields.mobile, &c.mobile},
        {&address, &c.address.first},
    };
    for (const auto& [wanted, have] : pairs) {
        if (!wanted->isEmpty() && !have->startsWith(*wanted, OMString::CaseInsensitive))
            return false;
    }
    return true;
}

} // namespace

bool CustomerSearch::search(Customer& fields)
{
    m_matches.clear();
    m_iterator = {};
    m_lastStep = Step::None;
    m_position = 0;
    m_edited = false;
    m_noMatch = false;

    // The database keeps "\n" line breaks; an edit control gives CR LF.
    OMString address = fields.address.first;
    address.replaceAll("\r\n", "\n");
    m_database.customers().forEach([&](const Customer& c) {
        if (isMatch(c, fields, address))
            m_matches.add(c);
    });
    if (m_matches.isEmpty()) {
        m_noMatch = true;
        return false;
    }
    m_iterator = m_matches.iterator();
    next(fields);
    return true;
}

void CustomerSearch::next(Customer& fields)
{
    if (!canGoNext())
        return;
    // The iterator's cursor stands between elements: after stepping back, the
    // first step forward would give the shown customer again.
    if (m_lastStep == Step::Back)
        m_iterator.next();
    show(m_iterator.next(), fields);
    m_lastStep = Step::Forward;
    ++m_position;
}

void CustomerSearch::previous(Customer& fields)
{
    if (!canGoPrevious())
        return;
    if (m_lastStep == Step::Forward)
        m_iterator.previous();
    show(m_iterator.previous(), fields);
    m_lastStep = Step::Back;
    --m_position;
}

void CustomerSearch::clear(Customer& fields)
{
    m_matches.clear();
    m_iterator = {};
    m_lastStep = Step::None;
    m_position = 0;
    m_edited = false;
    m_noMatch = false;
    fields.reset();
    m_shownNumber = 0;
}

bool CustomerSearch::canGoNext() const
{
    return !m_edited && m_position < m_matches.size() && m_iterator.hasNext();
}

bool CustomerSearch::canGoPrevious() const
{
    return !m_edited && m_position > 1 && m_iterator.hasPrevious();
}

OMString CustomerSearch::labelText() const
{
    OMString text = numberText(m_shownNumber);
    if (!m_matches.isEmpty()) {
        text += "\n";
        text += OMString::format(StringTable::text(IDS_MATCH_POSITION).c_str(), m_position,
                                 m_matches.size());
    }
    return text;
}

OMString CustomerSearch::noticeText() const
{
    return m_noMatch ? StringTable::text(IDS_NO_MATCHING_CUSTOMERS) : OMString();
}

OMString CustomerSearch::numberText(uint32_t number)
{
    if (number == 0)
        return StringTable::text(IDS_NEW_CUSTOMER);
    // Numbers are unsigned; past 2^31 "%d" would print them negative.
    OMString format = StringTable::text(IDS_CUSTOMER_NUMBER);
    format.replaceAll("%d", "%u");
    return OMString::format(format.c_str(), number);
}

void CustomerSearch::show(const Customer& match, Customer& fields)
{
    fields = match;
    m_shownNumber = match.custno;
}
