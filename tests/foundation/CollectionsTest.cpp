#include "foundation/OMArray.h"
#include "foundation/OMList.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

using namespace ombrel;

namespace {

template <typename Iterator> constexpr bool canSet = requires(Iterator it)
{
    it.set(0);
};

std::vector<int> contents(const OMList<int>& list)
{
    std::vector<int> out;
    list.forEach([&](int v) { out.push_back(v); });
    return out;
}

} // namespace

TEST(List, IteratesBothWaysAndEditsInPlace)
{
    OMList<int> list;
    for (int i = 1; i <= 3; ++i)
        list.add(i);
    OMIterator<int> it = list.iterator();
    EXPECT_FALSE(it.hasPrevious());
    EXPECT_EQ(it.next(), 1);
    EXPECT_EQ(it.next(), 2);
    it.set(20);
    EXPECT_EQ(it.previous(), 20);
    EXPECT_EQ(it.previous(), 1);
    EXPECT_FALSE(it.hasPrevious());
    EXPECT_THROW(it.previous(), OMNoSuchElementException);
    it.next();
    it.insert(15);
    EXPECT_EQ(contents(list), (std::vector<int>{1, 15, 20, 3}));
    EXPECT_EQ(it.next(), 20);
    EXPECT_EQ(it.next(), 3);
    EXPECT_FALSE(it.hasNext());
    EXPECT_THROW(it.next(), OMNoSuchElementException);
}

TEST(List, IteratorsFailFastAndRefuseSetWithoutCurrent)
{
    OMList<int> list;
    list.add(1);
    list.add(2);
    OMIterator<int> it = list.iterator();
    EXPECT_THROW(it.set(5), OMIllegalStateException);
    EXPECT_THROW(it.insert(5), OMIllegalStateException);
    it.next();
    list.add(3);
    EXPECT_FALSE(it.hasNext());
    EXPECT_THROW(it.next(), OMNoSuchElementException);
    EXPECT_THROW(it.set(1), OMNoSuchElementException);
    OMIterator<int> none;
    EXPECT_FALSE(none.hasNext());
    EXPECT_THROW(none.next(), OMNoSuchElementException);

    // A const list gives a read-only iterator, which fails fast as well.
    const OMList<int>& view = list;
    OMIterator<const int> reader = view.iterator();
    static_assert(std::is_same_v<decltype(reader.next()), const int&>);
    static_assert(canSet<OMIterator<int>> && !canSet<OMIterator<const int>>);
    EXPECT_EQ(reader.next(), 1);
    EXPECT_TRUE(reader.hasPrevious());
    list.clear();
    EXPECT_FALSE(reader.hasNext());
    EXPECT_THROW(reader.previous(), OMNoSuchElementException);
}

TEST(List, CopiesAreIndependent)
{
    OMList<std::string> a;
    a.add("x");
    OMList<std::string> b = a;
    b.add("y");
    EXPECT_EQ(a.size(), 1);
    EXPECT_EQ(b.size(), 2);
    a = b;
    EXPECT_EQ(a.size(), 2);
    a.clear();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(b.size(), 2);
}

TEST(Array, BoundsAreChecked)
{
    OMArray<int> array;
    EXPECT_THROW(array.at(0), OMIndexOutOfBoundsException);
    for (int i = 0; i < 100; ++i)
        array.add(i);
    array.insert(0, -1);
    EXPECT_EQ(array.size(), 101);
    EXPECT_EQ(array[0], -1);
    EXPECT_EQ(array[100], 99);
    EXPECT_THROW(array.at(101), OMIndexOutOfBoundsException);
    EXPECT_THROW(array.at(-1), OMIndexOutOfBoundsException);
    EXPECT_THROW(array.insert(103, 0), OMIndexOutOfBoundsException);
    array.removeAt(0);
    EXPECT_EQ(array[0], 0);
}
