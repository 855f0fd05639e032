#include "OMWideArithmetic.h"

#include <limits>

namespace ombrel {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

uint64_t magnitude(int64_t v)
{
    return v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v);
}

// A signed result from its sign and magnitude, clamped to the 64-bit range.
int64_t clamped(bool negative, uint64_t hi, uint64_t lo)
{
    if (negative) {
        if (hi != 0 || lo > uint64_t(kMax) + 1)
            return kMin;
        return lo == uint64_t(kMax) + 1 ? kMin : -int64_t(lo);
    }
    if (hi != 0 || lo > uint64_t(kMax))
        return kMax;
    return int64_t(lo);
}

} // namespace

int64_t OMWideArithmetic::mulDiv(int64_t a, int64_t b, int64_t c)
{
#if defined(__SIZEOF_INT128__)
    if (c == 0)
        return 0;
    // Division of built-in integers truncates toward zero.
    const __int128 result = __int128(a) * b / c;
    if (result > kMax)
        return kMax;
    if (result < kMin)
        return kMin;
    return int64_t(result);
#else
    return mulDivPortable(a, b, c);
#endif
}

int64_t OMWideArithmetic::mulDivPortable(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    const bool negative = ((a < 0) != (b < 0)) != (c < 0);
    const uint64_t x = magnitude(a), y = magnitude(b), d = magnitude(c);

    // The 128-bit product of x and y from four 32-bit partial products.
    const uint64_t xl = x & 0xFFFFFFFFu, xh = x >> 32, yl = y & 0xFFFFFFFFu, yh = y >> 32;
    const uint64_t ll = xl * yl, lh = xl * yh, hl = xh * yl, hh = xh * yh;
    const uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    const uint64_t lo = (middle << 32) | (ll & 0xFFFFFFFFu);
    const uint64_t hi = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);

    // Long division of hi:lo by d, one bit at a time; the quotient truncates.
    uint64_t qhi = 0, qlo = 0, remainder = 0;
    for (int bit = 127; bit >= 0; --bit) {
        const bool carry = remainder >> 63;
        const uint64_t next = bit >= 64 ? (hi >> (bit - 64)) & 1 : (lo >> bit) & 1;
        remainder = (remainder << 1) | next;
        if (carry || remainder >= d) {
            remainder -= d;
            if (bit >= 64)
                qhi |= uint64_t(1) << (bit - 64);
            else
                qlo |= uint64_t(1) << bit;
        }
    }
    return clamped(negative, qhi, qlo);
}

int64_t OMWideArithmetic::add(int64_t a, int64_t b)
{
    if (b > 0 && a > kMax - b)
        return kMax;
    if (b < 0 && a < kMin - b)
        return kMin;
    return a + b;
}

int64_t OMWideArithmetic::subtract(int64_t a, int64_t b)
{
    if (b < 0 && a > kMax + b)
        return kMax;
    if (b > 0 && a < kMin + b)
        return kMin;
    return a - b;
}

int64_t OMWideArithmetic::negate(int64_t a)
{
    return a == kMin ? kMax : -a;
}

} // namespace ombrel
