#pragma once

#include "views/MessageHook.h"

#include <string>
#include <vector>

/// While it lives, message boxes are captured instead of shown: their texts
/// and icons are kept, and each question takes the next of `answers` (No when
/// they run out).
class MessageCapture
{
public:
    MessageCapture()
    {
        m_previous = MessageHook::setHandler(
            [this](const QString& text, MessageHook::Icon icon, MessageHook::Buttons buttons) {
                texts.push_back(text.toStdString());
                icons.push_back(icon);
                if (buttons == MessageHook::Ok)
                    return MessageHook::AnswerOk;
                if (answers.empty())
                    return MessageHook::AnswerNo;
                const MessageHook::Answer answer = answers.front();
                answers.erase(answers.begin());
                return answer;
            });
    }
    ~MessageCapture() { MessageHook::setHandler(std::move(m_previous)); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> texts;
    std::vector<MessageHook::Icon> icons;
    std::vector<MessageHook::Answer> answers;

private:
    MessageHook::Handler m_previous;
};
