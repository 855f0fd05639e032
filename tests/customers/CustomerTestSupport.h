#pragma once

#include "customers/CustomerDatabase.h"
#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/// Each test gets an empty settings store and a database path in its own folder.
class CustomerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Vorlane.vlc"));
        SettingsStore::set(SettingKeys::CustomerDatabase, ombrel::OMString::fromQString(m_path));
    }

    void writeFile(const QByteArray& bytes) const
    {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray readFile() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static Customer customer(const char* name, const char* surname, uint32_t number = 0)
    {
        Customer c;
        c.name = name;
        c.surname = surname;
        c.custno = number;
        return c;
    }

    QTemporaryDir m_dir;
    QString m_path;
};
