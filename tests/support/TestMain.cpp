// Shared main of every test program: gives the process its own empty home for
// settings and data, so that no test reads or writes the user's files, and a
// headless Qt application.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#ifdef VORLANE_TEST_WIDGETS
#include <QApplication>
#endif

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    // Local sockets and Qt's runtime checks want this folder to exist, private.
    QDir().mkpath(QString::fromUtf8(root + "/runtime"));
    QFile::setPermissions(QString::fromUtf8(root + "/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    if (!qEnvironmentVariableIsSet("VORLANE_TEST_SOURCE_DIR"))
        qputenv("VORLANE_TEST_SOURCE_DIR", VORLANE_SOURCE_DIR);

    ::testing::InitGoogleTest(&argc, argv);
#ifdef VORLANE_TEST_WIDGETS
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    QCoreApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    return RUN_ALL_TESTS();
}
