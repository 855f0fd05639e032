#pragma once

#include "OMException.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <string>
#include <vector>

namespace ombrel {

/// A contiguous array. Its capacity starts at 128 bytes and doubles when full.
/// Access outside 0..size-1 throws OMIndexOutOfBoundsException.
template <typename T> class OMArray
{
public:
    OMArray() = default;
    OMArray(const OMArray& other) : m_items(other.copyItems()) {}
    OMArray& operator=(const OMArray& other)
    {
        if (this != &other) {
            std::vector<T> copy = other.copyItems();
            std::lock_guard lock(m_mutex);
            m_items.swap(copy);
        }
        return *this;
    }

    int size() const
    {
        std::lock_guard lock(m_mutex);
        return int(m_items.size());
    }
    bool isEmpty() const { return size() == 0; }
    void clear()
    {
        std::lock_guard lock(m_mutex);
        m_items.clear();
    }
    void add(const T& item) { insert(size(), item); }
    /// Inserts before `index`; `index` == size() appends.
    void insert(int index, const T& item)
    {
        std::lock_guard lock(m_mutex);
        if (index < 0 || size_t(index) > m_items.size())
            throw OMIndexOutOfBoundsException("insert at " + std::to_string(index));
        grow();
        m_items.insert(m_items.begin() + index, item);
    }
    void removeAt(int index)
    {
        std::lock_guard lock(m_mutex);
        checkIndex(index);
        m_items.erase(m_items.begin() + index);
    }
    T& at(int index)
    {
        std::lock_guard lock(m_mutex);
        checkIndex(index);
        return m_items[size_t(index)];
    }
    const T& at(int index) const
    {
        std::lock_guard lock(m_mutex);
        checkIndex(index);
        return m_items[size_t(index)];
    }
    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }

    void lockForReading() const { m_mutex.lock(); }
    void lockForWriting() const { m_mutex.lock(); }
    void unlock() const { m_mutex.unlock(); }

private:
    std::vector<T> copyItems() const
    {
        std::lock_guard lock(m_mutex);
        return m_items;
    }
    void checkIndex(int index) const
    {
        if (index < 0 || size_t(index) >= m_items.size())
            throw OMIndexOutOfBoundsException("index " + std::to_string(index) + " of " +
                                              std::to_string(m_items.size()));
    }
    void grow()
    {
        if (m_items.size() < m_items.capacity())
            return;
        const size_t initial = std::max<size_t>(1, 128 / sizeof(T));
        try {
            m_items.reserve(m_items.capacity() == 0 ? initial : m_items.capacity() * 2);
        } catch (const std::bad_alloc&) {
            throw OMMemoryException("out of memory growing an array");
        }
    }

    std::vector<T> m_items;
    mutable std::recursive_mutex m_mutex;
};

} // namespace ombrel
