#include "PdfExport.h"

#include "PageSetup.h"
#include "PdfStampForm.h"
#include "PrintableArea.h"
#include "PrintedPage.h"
#include "Stamp.h"
#include "layout/GPage.h"

#include "fileformat/TextFile.h"
#include "resources/StringTable.h"

#include <QBuffer>
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

bool PdfExport::write(PrintedPage& printed, const QString& path, QString* error)
{
    const PageSetup& setup = PageSetup::instance();
    return write(printed, path, setup.pageSize(), setup.orientation(), error);
}

OMString PdfExport::overwriteRefusal(const QString& output, const QString& document)
{
    // Writing over the document itself (or a link to it) would destroy it.
    const QFileInfo target(output);
    if (document.isEmpty() || !target.exists() ||
        target.canonicalFilePath() != QFileInfo(document).canonicalFilePath())
        return {};
    return writeError(output, QStringLiteral("it is the document being exported"));
}

bool PdfExport::write(PrintedPage& printed, const QString& path, const QPageSize& pageSize,
                      QPageLayout::Orientation orientation, QString* error)
{
    return write(printed.page(), printed.stampText, path, pageSize, orientation, error);
}

bool PdfExport::write(GPage& page, const OMString& stampText, const QString& path,
                      const QPageSize& pageSize, QPageLayout::Orientation orientation,
                      QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = writeError(path, reason).toQString();
        return false;
    };
    // A device or a pipe in the way would be replaced by a plain file.
    if (const QString reason = TextFile::notPlainFileReason(path, true); !reason.isEmpty())
        return fail(reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // The pages are written in memory first: the stamp goes on them once, as
    // one form every page draws (PdfStampForm), before the file takes them.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageOrientation(orientation);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(Resolution);
        writer.setCreator(QStringLiteral("Vorlane"));
        const QRect area =
            PrintableArea::rect(DeviceMetrics::ofWholePage(writer), PrintMargins::fromSettings());
        if (area.isEmpty()) {
            file.cancelWriting();
            return fail(QStringLiteral("the page margins leave no room"));
        }
        const int printed = PrintedPage::print(page, {}, writer, area);
        if (printed == PrintedPage::TooManyPages) {
            file.cancelWriting();
            return fail(QStringLiteral("it would run over %1 pages; check the page "
                                       "margins and the text styles")
                            .arg(GPage::MaxPages));
        }
        if (printed < 0) {
            file.cancelWriting();
            return fail(QStringLiteral("the pages could not be drawn"));
        }
        const Stamp::Stroke stamp = Stamp::stroke(writer, area, stampText, Stamp::PaperAngle, true);
        if (!stamp.path.isEmpty()) {
            const PdfStampForm form(stamp.path, stamp.placement, stamp.pen, Resolution,
                                    writer.pageLayout().fullRectPoints().height());
            if (!form.apply(pdf)) {
                // A file laid out otherwise than expected: each page draws
                // the stamp itself.
                buffer.close();
                pdf.clear();
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter again(&buffer);
                again.setPageLayout(writer.pageLayout());
                again.setResolution(Resolution);
                again.setCreator(QStringLiteral("Vorlane"));
                if (PrintedPage::print(page, stampText, again, area) < 0) {
                    file.cancelWriting();
                    return fail(QStringLiteral("the pages could not be drawn"));
                }
            }
        }
    }
    if (file.write(pdf) != pdf.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    // commit() renames even after some failed writes (its own flush of the
    // buffered tail among them), so a full disk would leave a truncated PDF
    // in place of the old one: flush and check here first.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
