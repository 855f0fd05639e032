#include "PdfExport.h"

#include "PageSetup.h"
#include "PdfStampForm.h"
#include "PrintableArea.h"
#include "PrintedPage.h"
#include "Stamp.h"
#include "layout/GPage.h"

#include "fileformat/TextFile.h"
#include "records/DocumentKind.h"
#include "records/JobBase.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using ombrel::OMString;

namespace {

constexpr int Resolution = 1200;
// What the pages' drawing reports when the margins leave no room.
constexpr int NoRoom = -100;

/// The stamp drawn once, as a form every page of `pdf` draws; false, leaving
/// `pdf` as it was, when the file is not laid out as expected.
bool withStampForm(QByteArray& pdf, const Stamp::Stroke& stamp, double pageHeight)
{
    const PdfStampForm form(stamp.path, stamp.placement, stamp.pen, Resolution, pageHeight);
    return form.apply(pdf);
}

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

bool PdfExport::write(PrintedPage& printed, const QString& path, QString* error,
                      const Metadata& metadata)
{
    const PageSetup& setup = PageSetup::instance();
    return write(printed, path, setup.pageSize(), setup.orientation(), error, metadata);
}

PdfExport::Metadata PdfExport::metadataFor(const JobBase& record)
{
    Metadata metadata;
    metadata.title = QStringLiteral("%1 %2")
                         .arg(QLatin1String(record.kind().title), record.docReference.toQString())
                         .trimmed();
    metadata.author = SettingsStore::get(SettingKeys::CompanyName).toQString().trimmed();
    metadata.subject = record.description.toQString().section(u'\n', 0, 0).trimmed();
    if (metadata.subject.isEmpty())
        metadata.subject = metadata.title;
    return metadata;
}

namespace {

// A PDF text string in hex, UTF-16 with its byte order mark: nothing to escape.
QByteArray pdfText(const QString& text)
{
    QByteArray bytes("\xfe\xff", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xff));
    }
    return '<' + bytes.toHex() + '>';
}

} // namespace

QByteArray PdfExport::withAuthorAndSubject(QByteArray pdf, const Metadata& metadata)
{
    QByteArray entries;
    if (!metadata.author.isEmpty())
        entries += "/Author " + pdfText(metadata.author) + '\n';
    if (!metadata.subject.isEmpty())
        entries += "/Subject " + pdfText(metadata.subject) + '\n';
    // Qt writes the information dictionary as object 1, before every other
    // object, and a classic cross-reference table of 20-byte entries.
    const qsizetype info = pdf.indexOf("\n1 0 obj\n<<\n");
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    if (entries.isEmpty() || info < 0 || xref < info || start < xref)
        return pdf;
    const qsizetype at = info + qsizetype(sizeof("\n1 0 obj\n<<\n")) - 1;
    const qsizetype delta = entries.size();

    // The table: "0 N\n", then N entries "oooooooooo ggggg n \n".
    const qsizetype header = xref + 6;
    const qsizetype firstEntry = pdf.indexOf('\n', header) + 1;
    bool ok = false;
    const int count = pdf.mid(header, firstEntry - header).split(' ').value(1).trimmed().toInt(&ok);
    if (!ok || firstEntry + qsizetype(count) * 20 > start)
        return pdf;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = firstEntry + qsizetype(i) * 20;
        if (pdf.at(entry + 17) != 'n')
            continue;
        const qlonglong offset = pdf.mid(entry, 10).toLongLong(&ok);
        if (!ok)
            return pdf;
        if (offset > at)
            pdf.replace(entry, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    const qsizetype number = start + 10;
    const qsizetype end = pdf.indexOf('\n', number);
    const qlonglong table = pdf.mid(number, end - number).trimmed().toLongLong(&ok);
    if (!ok)
        return pdf;
    pdf.replace(number, end - number, QByteArray::number(table + delta) + ' ');
    pdf.insert(at, entries);
    return pdf;
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
                      QPageLayout::Orientation orientation, QString* error,
                      const Metadata& metadata)
{
    return write(printed.page(), printed.stampText, path, pageSize, orientation, error, metadata);
}

bool PdfExport::write(GPage& page, const OMString& stampText, const QString& path,
                      const QPageSize& pageSize, QPageLayout::Orientation orientation,
                      QString* error, const Metadata& metadata)
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
    // The pages are written in memory first, then edited there: the stamp
    // goes on them once, as one form every page draws (PdfStampForm), and the
    // information dictionary gains what Qt cannot write.
    QByteArray pdf;
    double pageHeight = 0;
    const auto render = [&](const OMString& stampOnEachPage, Stamp::Stroke* stamp) {
        pdf.clear();
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(metadata.title);
        writer.setPageSize(pageSize);
        writer.setPageOrientation(orientation);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(Resolution);
        writer.setCreator(QStringLiteral("Vorlane"));
        const QRect area =
            PrintableArea::rect(DeviceMetrics::ofWholePage(writer), PrintMargins::fromSettings());
        if (area.isEmpty())
            return NoRoom;
        const int printed = PrintedPage::print(page, stampOnEachPage, writer, area);
        if (printed >= 0 && stamp) {
            *stamp = Stamp::stroke(writer, area, stampText, Stamp::PaperAngle, true);
            pageHeight = writer.pageLayout().fullRectPoints().height();
        }
        return printed;
    };
    Stamp::Stroke stamp;
    int printed = render({}, &stamp);
    if (printed >= 0 && !stamp.path.isEmpty() && !withStampForm(pdf, stamp, pageHeight)) {
        // A file laid out otherwise than expected: each page draws the stamp
        // itself.
        printed = render(stampText, nullptr);
    }
    if (printed == NoRoom) {
        file.cancelWriting();
        return fail(QStringLiteral("the page margins leave no room"));
    }
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
    pdf = withAuthorAndSubject(std::move(pdf), metadata);
    if (QString reason; metadata.finish && !metadata.finish(pdf, &reason)) {
        file.cancelWriting();
        return fail(reason);
    }
    if (file.write(pdf) != pdf.size()) {
        const QString reason = TextFile::writeFailureReason(file);
        file.cancelWriting();
        return fail(reason);
    }
    // commit() renames even after some failed writes (its own flush of the
    // buffered tail among them), so a full disk would leave a truncated PDF
    // in place of the old one: flush and check here first.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = TextFile::writeFailureReason(file);
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
