#include "PdfExport.h"

#include "PrintableArea.h"
#include "PrintedPage.h"
#include "Stamp.h"
#include "layout/GPage.h"

#include "resources/StringTable.h"

#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using ombrel::OMString;

namespace {

constexpr int Resolution = 1200;

} // namespace

OMString PdfExport::writeError(const QString& path, const QString& reason)
{
    return OMString::format(StringTable::text(IDS_PDF_WRITE_ERROR).c_str(),
                            path.toUtf8().constData(), reason.toUtf8().constData());
}

QPageSize PdfExport::defaultPageSize()
{
    const QLocale locale = QLocale::system();
    return QPageSize(locale.territory() == QLocale::UnitedStates ? QPageSize::Letter
                                                                 : QPageSize::A4);
}

OMString PdfExport::write(PrintedPage& printed, const QString& path, const QPageSize& pageSize)
{
    return write(printed.page(), printed.stampText, path, pageSize);
}

OMString PdfExport::write(GPage& page, const OMString& stampText, const QString& path,
                          const QPageSize& pageSize)
{
    // A device or a pipe in the way would be replaced by a plain file.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return writeError(path, QStringLiteral("it is not a plain file"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeError(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(Resolution);
        writer.setCreator(QStringLiteral("Vorlane"));
        const QRect area =
            PrintableArea::rect(DeviceMetrics::ofWholePage(writer), PrintMargins::fromSettings());
        if (area.isEmpty()) {
            file.cancelWriting();
            return writeError(path, QStringLiteral("the page margins leave no room"));
        }
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return writeError(path, file.errorString());
        }
        // Lay out at the printable area's true width, so fonts print at their size.
        page.setPageWidth(area.width() * 72.0 / Resolution);
        page.recalculate(4);
        page.layout(area);
        const int count = page.getPageCount();
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                writer.newPage();
            page.draw(painter, area, i);
            Stamp::draw(painter, area, stampText, Stamp::PaperAngle, true);
        }
        painter.end();
    }
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return writeError(path, reason);
    }
    if (!file.commit())
        return writeError(path, file.errorString());
    return {};
}
