#include "PrintSetup.h"

#include "print/PdfExport.h"
#include "print/PrintableArea.h"

#include <QPageSetupDialog>
#include <QPrinter>

QPrinter& PrintSetup::printer()
{
    static QPrinter* shared = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageSize(PdfExport::defaultPageSize());
        p->setFullPage(false);
        return p;
    }();
    return *shared;
}

bool PrintSetup::run(QWidget* parent)
{
    QPageSetupDialog dialog(&printer(), parent);
    return dialog.exec() == QDialog::Accepted;
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
