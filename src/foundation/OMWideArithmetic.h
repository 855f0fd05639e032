#pragma once

#include <cstdint>

namespace ombrel {

/// Money arithmetic that neither overflows nor rounds: products are taken at
/// double width and results outside the 64-bit range are clamped to it.
class OMWideArithmetic
{
public:
    /// a × b ÷ c, truncated toward zero; 0 when c is 0.
    static int64_t mulDiv(int64_t a, int64_t b, int64_t c);
    /// The same worked out on 64-bit halves, for compilers without a 128-bit
    /// integer; mulDiv uses it there.
    static int64_t mulDivPortable(int64_t a, int64_t b, int64_t c);
    static int64_t add(int64_t a, int64_t b);
    static int64_t subtract(int64_t a, int64_t b);
    static int64_t negate(int64_t a);
};

} // namespace ombrel
