#pragma once

#include <QString>
#include <functional>

/**
 * Every message box of the window goes through here; the core never shows
 * one, it returns its messages and takes the user's answers as arguments.
 * The program installs a handler that shows a real box (MessageBoxHandler);
 * tests install their own to capture the text and choose the answer. Without
 * a handler the text goes to standard error and a question is answered No
 * (or Cancel).
 */
class MessageHook
{
public:
    enum Icon { Information, Warning, Error, Question };
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };

    using Handler = std::function<Answer(const QString& text, Icon icon, Buttons buttons)>;

    static Answer show(const QString& text, Icon icon, Buttons buttons);
    /// Installs `handler` (an empty one restores the default) and returns the previous one.
    static Handler setHandler(Handler handler);
};
