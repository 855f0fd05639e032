#pragma once

#include <QRect>
#include <QSize>
#include <array>

/**
 * Where the start page's six buttons go: two rows of three pictures scaled
 * alike, the block centred in the client area. Integer arithmetic truncating
 * toward zero, so the figures are exact.
 */
struct StartPageLayout
{
    static constexpr int Count = 6;

    /// `picture` is the first picture's natural size; an empty one means no
    /// picture loaded: the block is the client size and no button is placed.
    static StartPageLayout compute(const QRect& client, const QSize& picture);

    /// Whether `point` lies on `button`, both far edges included.
    static bool hits(const QRect& button, const QPoint& point);

    int buttonWidth = 0;
    int buttonHeight = 0;
    QSize block;
    int offsetX = 0;
    int offsetY = 0;
    /// Row-major; each buttonWidth by buttonHeight.
    std::array<QRect, Count> buttons{};
};
