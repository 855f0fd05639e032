#pragma once

#include "OMException.h"

#include <cstdint>
#include <list>
#include <mutex>
#include <new>

namespace ombrel {

template <typename T> class OMIterator;

/**
 * A doubly linked list of copies. Each operation takes the list's own lock, so
 * single operations are safe from any thread; a caller that needs several steps
 * to be seen as one takes lockForReading or lockForWriting around them.
 * Every change bumps a modification count that iterators check (fail-fast).
 */
template <typename T> class OMList
{
public:
    OMList() = default;
    OMList(const OMList& other) : m_items(other.copyItems()) {}
    OMList& operator=(const OMList& other)
    {
        if (this != &other) {
            std::list<T> copy = other.copyItems();
            std::lock_guard lock(m_mutex);
            m_items.swap(copy);
            ++m_modCount;
        }
        return *this;
    }

    void add(const T& item)
    {
        std::lock_guard lock(m_mutex);
        try {
            m_items.push_back(item);
        } catch (const std::bad_alloc&) {
            throw OMMemoryException("out of memory adding to a list");
        }
        ++m_modCount;
    }
    void add(T&& item)
    {
        std::lock_guard lock(m_mutex);
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
        std::lock_guard lock(m_mutex);
        m_items.swap(items);
        ++m_modCount;
        items.clear();
    }
    void clear()
    {
        std::lock_guard lock(m_mutex);
        m_items.clear();
        ++m_modCount;
    }
    int size() const
    {
        std::lock_guard lock(m_mutex);
        return int(m_items.size());
    }
    bool isEmpty() const { return size() == 0; }

    /// An iterator standing before the first element.
    OMIterator<T> iterator() const { return OMIterator<T>(const_cast<OMList*>(this)); }

    /// Calls `f` on each element in order under the list's lock.
    template <typename F> void forEach(F&& f) const
    {
        std::lock_guard lock(m_mutex);
        for (const T& item : m_items)
            f(item);
    }

    void lockForReading() const { m_mutex.lock(); }
    void lockForWriting() const { m_mutex.lock(); }
    void unlock() const { m_mutex.unlock(); }

private:
    friend class OMIterator<T>;

    std::list<T> copyItems() const
    {
        std::lock_guard lock(m_mutex);
        return m_items;
    }

    std::list<T> m_items;
    uint64_t m_modCount = 0;
    mutable std::recursive_mutex m_mutex;
};

/**
 * Walks an OMList in either direction. The cursor stands between elements;
 * next() and previous() step over one element and make it the current one,
 * which set() replaces. insert() puts an element at the cursor, before the
 * element next() would return, and leaves no current element.
 * A change of the list by any other way ends the iterator's use: the next step
 * throws OMNoSuchElementException.
 */
template <typename T> class OMIterator
{
public:
    OMIterator() = default;

    bool hasNext() const
    {
        if (!m_list)
            return false;
        std::lock_guard lock(m_list->m_mutex);
        return m_modCount == m_list->m_modCount && m_cursor != m_list->m_items.end();
    }
    bool hasPrevious() const
    {
        if (!m_list)
            return false;
        std::lock_guard lock(m_list->m_mutex);
        return m_modCount == m_list->m_modCount && m_cursor != m_list->m_items.begin();
    }
    T& next()
    {
        std::lock_guard lock(checkedMutex());
        if (m_cursor == m_list->m_items.end())
            throw OMNoSuchElementException("no next element");
        m_current = m_cursor++;
        m_hasCurrent = true;
        return *m_current;
    }
    T& previous()
    {
        std::lock_guard lock(checkedMutex());
        if (m_cursor == m_list->m_items.begin())
            throw OMNoSuchElementException("no previous element");
        m_current = --m_cursor;
        m_hasCurrent = true;
        return *m_current;
    }
    /// Replaces the element last returned by next() or previous().
    void set(const T& item)
    {
        std::lock_guard lock(checkedMutex());
        if (!m_hasCurrent)
            throw OMIllegalStateException("no current element to set");
        *m_current = item;
    }
    /// Inserts at the cursor; needs a current element, like set().
    void insert(const T& item)
    {
        std::lock_guard lock(checkedMutex());
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
    friend class OMList<T>;
    explicit OMIterator(OMList<T>* list)
        : m_list(list), m_cursor(list->m_items.begin()), m_modCount(list->m_modCount)
    {
    }

    std::recursive_mutex& checkedMutex()
    {
        if (!m_list)
            throw OMNoSuchElementException("iterator of no list");
        if (m_modCount != m_list->m_modCount)
            throw OMNoSuchElementException("list changed during iteration");
        return m_list->m_mutex;
    }

    OMList<T>* m_list = nullptr;
    typename std::list<T>::iterator m_cursor;
    typename std::list<T>::iterator m_current;
    bool m_hasCurrent = false;
    uint64_t m_modCount = 0;
};

} // namespace ombrel
