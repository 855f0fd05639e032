#include "PrintableArea.h"

#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QPaintDevice>
#include <algorithm>

DeviceMetrics DeviceMetrics::ofWholePage(const QPaintDevice& device)
{
    DeviceMetrics m;
    m.dpiX = device.logicalDpiX();
    m.dpiY = device.logicalDpiY();
    m.horzRes = m.physicalWidth = device.width();
    m.vertRes = m.physicalHeight = device.height();
    return m;
}

PrintMargins PrintMargins::fromSettings()
{
    PrintMargins margins;
    margins.top = SettingsStore::get(SettingKeys::MarginTop);
    margins.bottom = SettingsStore::get(SettingKeys::MarginBottom);
    margins.left = SettingsStore::get(SettingKeys::MarginLeft);
    margins.right = SettingsStore::get(SettingKeys::MarginRight);
    return margins;
}

int PrintableArea::toDeviceUnits(int millimetres, int dpi)
{
    // A margin below 0 is none; one beyond any paper leaves no room, and the
    // edges worked out from it stay within range.
    const int margin = std::clamp(millimetres, 0, MaxMarginMillimetres);
    return int(margin * double(dpi) * 0.03937007874015748);
}

QRect PrintableArea::rect(const DeviceMetrics& d, const PrintMargins& margins)
{
    const int top = toDeviceUnits(margins.top, d.dpiY);
    const int bottom = toDeviceUnits(margins.bottom, d.dpiY);
    const int left = toDeviceUnits(margins.left, d.dpiX);
    const int right = toDeviceUnits(margins.right, d.dpiX);
    // Each edge is the margin's distance from the paper's edge, moved into
    // device coordinates by the printable area's offset on the paper.
    const int x0 = std::max(0, left - d.physicalOffsetX);
    const int y0 = std::max(0, top - d.physicalOffsetY);
    const int x1 = std::min(d.horzRes, d.physicalWidth - right - d.physicalOffsetX);
    const int y1 = std::min(d.vertRes, d.physicalHeight - bottom - d.physicalOffsetY);
    // A body of a few millimetres would cut a one-page document into
    // thousands of pages.
    if (x1 - x0 < std::max(1, toDeviceUnits(MinimumBodyMillimetres, d.dpiX)) ||
        y1 - y0 < std::max(1, toDeviceUnits(MinimumBodyMillimetres, d.dpiY)))
        return {};
    return QRect(x0, y0, x1 - x0, y1 - y0);
}
