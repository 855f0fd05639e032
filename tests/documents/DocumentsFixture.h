#pragma once

#include "support/MessageCapture.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/// An empty settings store, a temporary folder, and message boxes captured.
class DocumentsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    MessageCapture capture;
    std::vector<std::string>& messages = capture.texts;
    std::vector<MessageHook::Answer>& answers = capture.answers;
};
