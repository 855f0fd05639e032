#include "foundation/OMRegistry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace ombrel;

namespace {
const OMString kRoot("Software/Ombrel/Vorlane");
const auto kUser = OMRegistryHive::CurrentUser;
} // namespace

TEST(Registry, MapsKeyPathsOntoTheNativeStore)
{
    om_registry_setInteger(kUser, kRoot + "/options/company", "IsVATRegistered", 1);
    om_registry_setInteger(kUser, kRoot, "NextEstimateNo", 205);
    om_registry_setString(kUser, kRoot + "/options", "CurrencySymbol", "€");

    QSettings store(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"));
    EXPECT_EQ(store.value("options/company/IsVATRegistered").toInt(), 1);
    EXPECT_EQ(store.value("NextEstimateNo").toInt(), 205);
    EXPECT_EQ(store.value("options/CurrencySymbol").toString(), QString::fromUtf8("€"));
    // On Linux that is the per-user file below XDG_CONFIG_HOME.
    EXPECT_TRUE(store.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")))
        << store.fileName().toStdString();
    EXPECT_TRUE(store.fileName().endsWith("Ombrel/Vorlane.conf"));

    EXPECT_EQ(om_registry_getString(kUser, kRoot + "/options", "CurrencySymbol", "£"), "€");
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot, "NextEstimateNo", 101), 205);
}

TEST(Registry, AbsentOrUnreadableValuesGiveTheDefault)
{
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/nowhere", "x", 42), 42);
    EXPECT_EQ(om_registry_getString(kUser, kRoot + "/nowhere", "x", "fallback"), "fallback");
    om_registry_setString(kUser, kRoot + "/bad", "number", "twelve");
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/bad", "number", 7), 7);
    // A path that names no application is no key at all.
    EXPECT_FALSE(om_registry_setInteger(kUser, "Software", "x", 1));
    EXPECT_EQ(om_registry_getInteger(kUser, "Software", "x", 3), 3);
}

TEST(Registry, FlagWordsKeepTheirHighBit)
{
    om_registry_setInteger(kUser, kRoot + "/options", "mode", int32_t(0x80000001u));
    EXPECT_EQ(uint32_t(om_registry_getInteger(kUser, kRoot + "/options", "mode", 0)), 0x80000001u);
}

TEST(Registry, HandEditedTextWithCommasReadsWhole)
{
    QSettings store(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"));
    const QString path = store.fileName();
    store.sync();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\n[hand]\naddress=Unit 7, Canal Wharf, Harrogate\n");
    file.close();
    EXPECT_EQ(om_registry_getString(kUser, kRoot + "/hand", "address", ""),
              "Unit 7, Canal Wharf, Harrogate");
    // What the program writes itself reads back unchanged.
    om_registry_setString(kUser, kRoot + "/hand", "written", "A, B");
    EXPECT_EQ(om_registry_getString(kUser, kRoot + "/hand", "written", ""), "A, B");
}

TEST(Registry, HeldReadsSeeTheStoreAsOpenedAndThisProcesssWrites)
{
    om_registry_setInteger(kUser, kRoot + "/held", "value", 1);
    const QString path = QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).fileName();
    // Another program rewrites the file, each time with a later time, so
    // that a store opened afterwards reads it again.
    int stored = 1;
    int later = 0;
    const auto rewriteOutside = [&](int value) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray text = file.readAll();
        const QByteArray was = "value=" + QByteArray::number(stored);
        ASSERT_TRUE(text.contains(was)) << text.toStdString();
        text.replace(was, "value=" + QByteArray::number(value));
        file.resize(0);
        file.write(text);
        // The bytes go out before the time is set: written at close, they
        // would stamp the file with the present instead.
        ASSERT_TRUE(file.flush());
        later += 5;
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(later),
                         QFileDevice::FileModificationTime);
        stored = value;
    };

    om_registry_holdReads();
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/held", "value", 0), 1);
    om_registry_holdReads(); // scopes nest
    rewriteOutside(2);
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/held", "value", 0), 1)
        << "a held store reads the file as it was opened";
    om_registry_releaseReads();
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/held", "value", 0), 1)
        << "the inner scope's end keeps the store";
    // A write of this process opens the store afresh for the next read.
    om_registry_setString(kUser, kRoot + "/held", "text", "written");
    EXPECT_EQ(om_registry_getString(kUser, kRoot + "/held", "text", ""), "written");
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/held", "value", 0), 2);
    rewriteOutside(3);
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/held", "value", 0), 2);
    om_registry_releaseReads();

    rewriteOutside(4);
    EXPECT_EQ(om_registry_getInteger(kUser, kRoot + "/held", "value", 0), 4)
        << "without a hold every read opens the store";
}
