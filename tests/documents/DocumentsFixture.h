#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/// An empty settings store and a temporary folder.
class DocumentsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};
