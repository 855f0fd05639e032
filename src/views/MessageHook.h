#pragma once

#include <QString>
#include <QStringList>
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
    /// The same with buttons of the program's own words, in the order of
    /// `buttons` ("&Credit Note", "&Edit Anyway", "Cancel" for YesNoCancel):
    /// the answers are still Yes, No and Cancel. A handler reads them from
    /// buttonTexts() while it runs.
    static Answer show(const QString& text, Icon icon, Buttons buttons,
                       const QStringList& buttonTexts);
    /// The words of the question being asked; empty for the standard ones.
    static const QStringList& buttonTexts();
    /// Installs `handler` (an empty one restores the default) and returns the previous one.
    static Handler setHandler(Handler handler);
};
