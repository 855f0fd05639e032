#pragma once

#include "app/core/MessageHook.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

/// An empty settings store, a temporary folder, and message boxes captured:
/// each question is answered with the next of `answers` (No when they run out).
class DocumentsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        m_previous = MessageHook::setHandler(
            [this](const ombrel::OMString& text, MessageHook::Icon, MessageHook::Buttons buttons) {
                messages.push_back(text.str());
                if (buttons == MessageHook::Ok)
                    return MessageHook::AnswerOk;
                if (answers.empty())
                    return MessageHook::AnswerNo;
                const MessageHook::Answer answer = answers.front();
                answers.erase(answers.begin());
                return answer;
            });
    }
    void TearDown() override { MessageHook::setHandler(m_previous); }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    std::vector<std::string> messages;
    std::vector<MessageHook::Answer> answers;

private:
    MessageHook::Handler m_previous;
};
