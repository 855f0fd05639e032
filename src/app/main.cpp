#include "app/core/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    std::printf("Vorlane %s\n", SettingsStore::GetVersionText().c_str());
    return 0;
}
