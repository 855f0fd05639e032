#pragma once

#include <QSplashScreen>

/**
 * The start-up picture with the version, shown for a fixed time over the
 * starting program and then gone by itself. Start-up does not wait for it.
 */
class SplashScreen : public QSplashScreen
{
    Q_OBJECT
public:
    static constexpr int ShowMs = 2000;

    SplashScreen();
    /// Shows a splash that deletes itself after ShowMs.
    static SplashScreen* showFor(int milliseconds = ShowMs);

    /// The picture with the version drawn in, for the splash and the about box.
    static QPixmap picture(qreal devicePixelRatio);
};
