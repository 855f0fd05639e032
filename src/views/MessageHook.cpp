#include "MessageHook.h"

#include <cstdio>
#include <utility>

namespace {

MessageHook::Answer defaultAnswer(MessageHook::Buttons buttons)
{
    switch (buttons) {
    case MessageHook::Ok:
        return MessageHook::AnswerOk;
    case MessageHook::OkCancel:
        return MessageHook::AnswerCancel;
    case MessageHook::YesNo:
        return MessageHook::AnswerNo;
    case MessageHook::YesNoCancel:
        return MessageHook::AnswerCancel;
    }
    return MessageHook::AnswerCancel;
}

MessageHook::Handler& current()
{
    static MessageHook::Handler handler;
    return handler;
}

QStringList& currentTexts()
{
    static QStringList texts;
    return texts;
}

} // namespace

MessageHook::Answer MessageHook::show(const QString& text, Icon icon, Buttons buttons,
                                      const QStringList& buttonTexts)
{
    const QStringList previous = std::exchange(currentTexts(), buttonTexts);
    const Answer answer = show(text, icon, buttons);
    currentTexts() = previous;
    return answer;
}

const QStringList& MessageHook::buttonTexts()
{
    return currentTexts();
}

MessageHook::Answer MessageHook::show(const QString& text, Icon icon, Buttons buttons)
{
    if (current())
        return current()(text, icon, buttons);
    std::fprintf(stderr, "Vorlane: %s\n", text.toUtf8().constData());
    return defaultAnswer(buttons);
}

MessageHook::Handler MessageHook::setHandler(Handler handler)
{
    Handler previous = std::move(current());
    current() = std::move(handler);
    return previous;
}
