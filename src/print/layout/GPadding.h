#pragma once

/// Space inside a box or cell, in points, in constructor order left, right, top, bottom.
class GPadding
{
public:
    constexpr GPadding() = default;
    constexpr GPadding(int left, int right, int top, int bottom)
        : left(left), right(right), top(top), bottom(bottom)
    {
    }

    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    friend constexpr bool operator==(const GPadding&, const GPadding&) = default;
};
