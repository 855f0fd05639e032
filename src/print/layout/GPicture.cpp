#include "GPicture.h"

#include "GLayoutContext.h"
#include "GUnits.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QThread>
#include <atomic>

namespace {

// Screen pixels of the settings' widths are 1/96 inch.
constexpr double PointsPerPixel = 72.0 / 96.0;

// A JPEG cut short decodes "successfully": the decoder says so only in a
// warning and fills the rest grey. While a picture is read, the warnings of
// the reading thread are watched for that one.
std::atomic<QThread*> watchedThread{nullptr};
QtMessageHandler previousHandler = nullptr;
bool cutShort = false;

void watchDecoder(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && QThread::currentThread() == watchedThread.load() &&
        message.contains(QLatin1String("premature end"), Qt::CaseInsensitive))
        cutShort = true;
    if (previousHandler)
        previousHandler(type, context, message);
}

// Reads `reader`'s picture; a null one when the file ends too soon.
QImage readWhole(QImageReader& reader, bool& damaged)
{
    cutShort = false;
    watchedThread = QThread::currentThread();
    previousHandler = qInstallMessageHandler(watchDecoder);
    QImage picture = reader.read();
    qInstallMessageHandler(previousHandler);
    watchedThread = nullptr;
    damaged = cutShort;
    return damaged ? QImage() : picture;
}

} // namespace

GPicture::GPicture(const ombrel::OMString& fileName, int width)
    : m_fileName(fileName), m_width(width)
{
}

const QImage& GPicture::image() const
{
    if (!m_image) {
        // A pipe would hang the reader and a device feed it without end.
        const QString name = m_fileName.toQString();
        if (!QFileInfo(name).isFile()) {
            m_image = QImage();
            return *m_image;
        }
        QImageReader reader(name);
        reader.setAutoTransform(true);
        m_image = readWhole(reader, m_damaged);
    }
    return *m_image;
}

bool GPicture::isValid() const
{
    return !image().isNull();
}

QSizeF GPicture::boxSize(const GLayoutContext& context, double maxWidth) const
{
    const QImage& picture = image();
    if (picture.isNull())
        return {};
    double width = 0;
    double height = 0;
    if (m_width > 0) {
        width = GUnits::fromPoints(m_width * PointsPerPixel);
        height = width * picture.height() / picture.width();
    } else {
        // The picture's own resolution when it records one, else a screen's.
        const double dpiX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() * 0.0254 : 96.0;
        const double dpiY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() * 0.0254 : 96.0;
        width = GUnits::fromPoints(picture.width() * 72.0 / dpiX);
        height = GUnits::fromPoints(picture.height() * 72.0 / dpiY);
    }
    const double tallest = GUnits::fromPoints(m_maxHeight);
    if (tallest > 0 && height > tallest) {
        width = width * tallest / height;
        height = tallest;
    }
    if (width > maxWidth && maxWidth > 0) {
        height = height * maxWidth / width;
        width = maxWidth;
    }
    // A picture never runs over pages: a tall one is scaled to the body.
    if (context.bodyHeight > 0 && height > context.bodyHeight) {
        width = width * context.bodyHeight / height;
        height = context.bodyHeight;
    }
    return {width, height};
}

void GPicture::drawBox(const GLayoutContext&, QPainter& painter, const QRectF& box) const
{
    const QImage& picture = image();
    if (!picture.isNull())
        painter.drawImage(box, picture);
}
