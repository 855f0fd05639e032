#pragma once

#include "OMException.h"

#include <cstdint>
#include <list>
#include <new>
#include <type_traits>

namespace ombrel {

template <typename T> class OMIterator;

/**
 * A doubly linked list of copies. Every change bumps a modification count
 * that iterators check (fail-fast). A list iterated through a const reference
 * gives an OMIterator<const T>, which reads only.
 */
template <typename T> class OMList
{
public:
    OMList() = default;
    OMList(const OMList& other) : m_items(other.m_items) {}
    OMList& operator=(const OMList& other)
    {
        if (this != &other) {
            std::list<T> copy = other.m_items;
            m_items.swap(copy);
            ++m_modCount;
        }
        return *this;
    }

    void add(const T& item)
    {
        try {
            m_items.push_back(item);
        } catch (const std::bad_alloc&) {
            throw OMMemoryException("out of memory adding to a list");
        }
        ++m_modCount;
    }
    void add(T&& item)
    {
        try {
            m_items.push_back(std::move(item));
        } catch (const std::bad_alloc&) {
            throw OMMemoryException("out of memory adding to a list");
        }
        ++m_modCount;
    }
    /// Replaces the elements with `items`, taken over without copying.
    void assign(std::list<T>&& items)
    {
        m_items.swap(items);
        ++m_modCount;
        items.clear();
    }
    void clear()
    {
        m_items.clear();
        ++m_modCount;
    }
    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

    /// An iterator standing before the first element.
    OMIterator<T> iterator() { return OMIterator<T>(this); }
    OMIterator<const T> iterator() const { return OMIterator<const T>(this); }

    /// Calls `f` on each element in order.
    template <typename F> void forEach(F&& f) const
    {
        for (const T& item : m_items)
            f(item);
    }

private:
    friend class OMIterator<T>;
    friend class OMIterator<const T>;

    std::list<T> m_items;
    uint64_t m_modCount = 0;
};

/**
 * Walks an OMList in either direction. The cursor stands between elements;
 * next() and previous() step over one element and make it the current one,
 * which set() replaces. insert() puts an element at the cursor, before the
 * element next() would return, and leaves no current element.
 * A change of the list by any other way ends the iterator's use: the next step
 * throws OMNoSuchElementException.
 *
 * OMIterator<const T> walks a const list: it gives const elements and has
 * neither set() nor insert().
 */
template <typename T> class OMIterator
{
    using Item = std::remove_const_t<T>;
    static constexpr bool ReadOnly = std::is_const_v<T>;
    using List = std::conditional_t<ReadOnly, const OMList<Item>, OMList<Item>>;
    using Cursor = std::conditional_t<ReadOnly, typename std::list<Item>::const_iterator,
                                      typename std::list<Item>::iterator>;

public:
    OMIterator() = default;

    bool hasNext() const { return isCurrent() && m_cursor != m_list->m_items.end(); }
    bool hasPrevious() const { return isCurrent() && m_cursor != m_list->m_items.begin(); }
    T& next()
    {
        check();
        if (m_cursor == m_list->m_items.end())
            throw OMNoSuchElementException("no next element");
        m_current = m_cursor++;
        m_hasCurrent = true;
        return *m_current;
    }
    T& previous()
    {
        check();
        if (m_cursor == m_list->m_items.begin())
            throw OMNoSuchElementException("no previous element");
        m_current = --m_cursor;
        m_hasCurrent = true;
        return *m_current;
    }
    /// Replaces the element last returned by next() or previous().
    void set(const Item& item) requires(!ReadOnly)
    {
        check();
        if (!m_hasCurrent)
            throw OMIllegalStateException("no current element to set");
        *m_current = item;
    }
    /// Inserts at the cursor; needs a current element, like set().
    void insert(const Item& item) requires(!ReadOnly)
    {
        check();
        if (!m_hasCurrent)
            throw OMIllegalStateException("no current element to insert at");
        try {
            m_list->m_items.insert(m_cursor, item);
        } catch (const std::bad_alloc&) {
            throw OMMemoryException("out of memory inserting into a list");
        }
        m_modCount = ++m_list->m_modCount;
        m_hasCurrent = false;
    }

private:
    friend class OMList<Item>;
    explicit OMIterator(List* list)
        : m_list(list), m_cursor(list->m_items.begin()), m_modCount(list->m_modCount)
    {
    }

    bool isCurrent() const { return m_list && m_modCount == m_list->m_modCount; }
    void check() const
    {
        if (!m_list)
            throw OMNoSuchElementException("iterator of no list");
        if (m_modCount != m_list->m_modCount)
            throw OMNoSuchElementException("list changed during iteration");
    }

    List* m_list = nullptr;
    Cursor m_cursor;
    Cursor m_current;
    bool m_hasCurrent = false;
    uint64_t m_modCount = 0;
};

} // namespace ombrel
