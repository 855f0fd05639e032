#include "DocumentPrinter.h"

#include "app/core/DocumentReport.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

bool DocumentPrinter::print(const QString& path, QPrinter& printer)
{
    // page composition: compose the document's page and draw it here. Until
    // then the printout is the document's figures as the report lists them.
    const QStringList lines = DocumentReport(QStringList{path}).toTable().split(u'\n');
    printer.setDocName(path);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QRect page = painter.viewport();
    const int lineHeight = painter.fontMetrics().lineSpacing();
    int y = lineHeight;
    for (const QString& line : lines) {
        if (y > page.height()) {
            printer.newPage();
            y = lineHeight;
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
    return painter.end();
}
