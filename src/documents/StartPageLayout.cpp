#include "StartPageLayout.h"

#include <algorithm>

namespace {
constexpr int Gap = 20;
constexpr int MinButton = 50;
constexpr int MaxButtonWidth = 300;

QSize blockFor(int bw, int bh)
{
    return QSize(3 * bw + 4 * Gap, 2 * (bh + Gap) + Gap);
}
} // namespace

StartPageLayout StartPageLayout::compute(const QRect& client, const QSize& picture)
{
    StartPageLayout layout;
    const int W = client.width();
    const int H = client.height();
    if (picture.isEmpty()) {
        layout.block = QSize(W, H);
        return layout;
    }
    const int w = picture.width();
    const int h = picture.height();
    int bw = std::clamp((W - Gap) / 3 - Gap, MinButton, MaxButtonWidth);
    int bh = h * bw / w;
    layout.block = blockFor(bw, bh);
    if (layout.block.height() > H) {
        bh = std::max((H - Gap) / 2 - Gap, MinButton);
        bw = bh * w / h;
        layout.block = blockFor(bw, bh);
    }
    layout.buttonWidth = bw;
    layout.buttonHeight = bh;
    layout.offsetX = (W - layout.block.width()) / 2;
    layout.offsetY = (H - layout.block.height()) / 2;
    const int left = client.left() + layout.offsetX + Gap;
    const int top = client.top() + layout.offsetY + Gap;
    for (int i = 0; i < Count; ++i) {
        const int column = i % 3;
        const int row = i / 3;
        const QPoint start(left + column * (bw + Gap), top + row * (bh + Gap));
        layout.buttons[size_t(i)] = QRect(start, QSize(bw, bh));
    }
    return layout;
}

bool StartPageLayout::hits(const QRect& button, const QPoint& point)
{
    return point.x() >= button.left() && point.x() <= button.left() + button.width() &&
           point.y() >= button.top() && point.y() <= button.top() + button.height();
}
