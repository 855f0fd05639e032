#include "PrintSetup.h"

#include "print/PageSetup.h"
#include "print/PrintableArea.h"

#include <QPageSetupDialog>
#include <QPrinter>

QPrinter& PrintSetup::printer()
{
    // Made the first time the user prints or sets up the page: making a
    // printer asks the print server, which may be slow or away.
    static QPrinter* shared = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setFullPage(false);
        return p;
    }();
    const PageSetup& setup = PageSetup::instance();
    shared->setPageSize(setup.pageSize());
    shared->setPageOrientation(setup.orientation());
    return *shared;
}

bool PrintSetup::run(QWidget* parent)
{
    QPrinter& chosen = printer();
    QPageSetupDialog dialog(&chosen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PageSetup::instance().setPageLayout(chosen.pageLayout());
    return true;
}

DeviceMetrics PrintSetup::metrics(const QPrinter& printer)
{
    // With full-page off, device coordinates start at the printable area.
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    DeviceMetrics m;
    m.dpiX = printer.logicalDpiX();
    m.dpiY = printer.logicalDpiY();
    m.horzRes = printable.width();
    m.vertRes = printable.height();
    m.physicalWidth = paper.width();
    m.physicalHeight = paper.height();
    m.physicalOffsetX = printable.left() - paper.left();
    m.physicalOffsetY = printable.top() - paper.top();
    return m;
}
