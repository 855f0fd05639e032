#pragma once

#include "OMException.h"

#include <algorithm>
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

    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    void clear() { m_items.clear(); }
    void add(const T& item) { insert(size(), item); }
    /// Inserts before `index`; `index` == size() appends.
    void insert(int index, const T& item)
    {
        if (index < 0 || size_t(index) > m_items.size())
            throw OMIndexOutOfBoundsException("insert at " + std::to_string(index));
        grow();
        m_items.insert(m_items.begin() + index, item);
    }
    void removeAt(int index)
    {
        checkIndex(index);
        m_items.erase(m_items.begin() + index);
    }
    T& at(int index)
    {
        checkIndex(index);
        return m_items[size_t(index)];
    }
    const T& at(int index) const
    {
        checkIndex(index);
        return m_items[size_t(index)];
    }
    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }

private:
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
};

} // namespace ombrel
