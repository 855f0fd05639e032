#include "SplashScreen.h"

#include "settings/SettingsStore.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {
const QSize PictureSize(480, 300);
// The picture leaves this area free for the version.
const QRect VersionArea(218, 214, 252, 70);
} // namespace

QPixmap SplashScreen::picture(qreal devicePixelRatio)
{
    QPixmap pixmap(PictureSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/art/splash.svg"))
        .render(&painter, QRectF(QPointF(0, 0), PictureSize));
    QFont font = painter.font();
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(QColor(0xC9, 0xD3, 0xDC));
    painter.drawText(VersionArea, Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Version %1").arg(SettingsStore::versionText().toQString()));
    return pixmap;
}

SplashScreen::SplashScreen()
    : QSplashScreen(picture(QGuiApplication::primaryScreen()
                                ? QGuiApplication::primaryScreen()->devicePixelRatio()
                                : 1.0))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A window manager would otherwise raise the main window over it as soon
    // as that is shown.
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

SplashScreen* SplashScreen::showFor(int milliseconds)
{
    auto* splash = new SplashScreen;
    splash->show();
    // Paint it now: the event loop is not running yet during start-up.
    splash->repaint();
    QTimer::singleShot(milliseconds, splash, &QWidget::close);
    return splash;
}
