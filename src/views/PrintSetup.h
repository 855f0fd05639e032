#pragma once

class QPrinter;
class QWidget;
struct DeviceMetrics;

/// The printer every document prints on, made when the user first prints or
/// sets up the page; its paper and orientation are the page setup's.
class PrintSetup
{
public:
    static QPrinter& printer();
    /// The page setup dialog; true when the user chose OK.
    static bool run(QWidget* parent);
    /// What `printer` tells about its page, as the printable area wants it.
    static DeviceMetrics metrics(const QPrinter& printer);
};
