#pragma once

#include <QRect>

class QPaintDevice;

/// What a printing device tells about its page, in device units, the way
/// printer drivers report it: the printable area's size, the paper's size and
/// where the printable area starts on the paper. Device coordinates start at
/// the printable area's top left corner.
struct DeviceMetrics
{
    int dpiX = 0;
    int dpiY = 0;
    int horzRes = 0;
    int vertRes = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;

    /// A device that can print on the whole of its page (a PDF, an image).
    static DeviceMetrics ofWholePage(const QPaintDevice& device);
};

/// Page margins in millimetres, measured from the paper's edges.
struct PrintMargins
{
    int top = 10;
    int bottom = 5;
    int left = 20;
    int right = 15;

    /// The margins of the "print" settings.
    static PrintMargins fromSettings();
};

/// The part of a device's page that the printed document fills.
class PrintableArea
{
public:
    /// Millimetres in device units, truncated.
    static int toDeviceUnits(int millimetres, int dpi);
    /// Margins are taken between 0 and this, in millimetres.
    static constexpr int MaxMarginMillimetres = 10000;
    /// The least width and height of a body worth laying out, in millimetres.
    static constexpr int MinimumBodyMillimetres = 25;
    /// The margins' rectangle in device coordinates, clipped to what the device
    /// can print; empty when the margins leave no room: less than
    /// MinimumBodyMillimetres either way.
    static QRect rect(const DeviceMetrics& device, const PrintMargins& margins);
};
