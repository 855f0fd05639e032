#pragma once

#include "foundation/OMList.h"
#include "foundation/OMString.h"
#include "records/Customer.h"

class CustomerDatabase;

/**
 * The customer tab's search over the customer database, without the controls:
 * the tab passes its fields in and out as a Customer (line breaks as "\n";
 * CR LF from an edit control is accepted too), shows labelText() above the
 * buttons and noticeText() when a search found nothing, and enables Next and
 * Previous from canGoNext() and canGoPrevious().
 *
 * Position is the place of the customer shown among the matches, 1 to
 * matchCount(), or 0 when none is shown; Previous goes back to the match
 * before the one shown, Next to the one after.
 */
class CustomerSearch
{
public:
    explicit CustomerSearch(const CustomerDatabase& database) : m_database(database) {}

    /**
     * Collects, in database order, every customer whose fields begin with the
     * non-empty ones of `fields` (ignoring ASCII case) and shows the first in
     * `fields`. With no match `fields` stays as it was, noticeText() says so
     * and the result is false.
     */
    bool search(Customer& fields);
    /// Shows the next match in `fields`; nothing when canGoNext() is false.
    void next(Customer& fields);
    /// Shows the previous match in `fields`; nothing when canGoPrevious() is false.
    void previous(Customer& fields);
    /// Forgets the matches and empties `fields` (number 0).
    void clear(Customer& fields);
    /// The user changed a field: browsing stops until the next search.
    void fieldsEdited() { m_edited = true; }
    /// The tab now shows `customer` (a document was loaded into it).
    void show(const Customer& customer) { m_shownNumber = customer.custno; }

    bool canGoNext() const;
    bool canGoPrevious() const;
    int position() const { return m_position; }
    int matchCount() const { return m_matches.size(); }
    const ombrel::OMList<Customer>& matches() const { return m_matches; }

    /// "Customer number N" or "New customer" for the customer shown, and below
    /// it "P of M" while there are matches.
    ombrel::OMString labelText() const;
    /// "No matching customers were found..." after a search that found none,
    /// until the next search or Clear; empty otherwise.
    ombrel::OMString noticeText() const;
    /// "Customer number N", or "New customer" for number 0.
    static ombrel::OMString numberText(uint32_t number);

private:
    void show(const Customer& match, Customer& fields);

    const CustomerDatabase& m_database;
    ombrel::OMList<Customer> m_matches;
    ombrel::OMIterator<Customer> m_iterator;
    enum class Step { None, Forward, Back } m_lastStep = Step::None;
    int m_position = 0;
    uint32_t m_shownNumber = 0;
    bool m_edited = false;
    bool m_noMatch = false;
};
