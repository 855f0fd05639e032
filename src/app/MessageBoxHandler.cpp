#include "MessageBoxHandler.h"

#include "resources/StringTable.h"
#include "views/MessageHook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

MessageHook::Answer show(const QString& text, MessageHook::Icon icon, MessageHook::Buttons buttons)
{
    // Over the active window, unless that is the splash screen: it goes by
    // itself after a while and would take the box with it.
    QWidget* parent = QApplication::activeWindow();
    if (parent && parent->windowType() == Qt::SplashScreen)
        parent = nullptr;
    QMessageBox box(parent);
    box.setWindowTitle(StringTable::text(IDS_APP_TITLE).toQString());
    QString message = text;
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Messages carry file names and typed text: never take them for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    switch (icon) {
    case MessageHook::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageHook::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageHook::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageHook::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case MessageHook::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageHook::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageHook::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageHook::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Questions in the program's own words keep the standard buttons' roles.
    const QStringList& words = MessageHook::buttonTexts();
    const QList<QAbstractButton*> order = {
        box.button(buttons == MessageHook::Ok || buttons == MessageHook::OkCancel
                       ? QMessageBox::Ok
                       : QMessageBox::Yes),
        box.button(buttons == MessageHook::OkCancel ? QMessageBox::Cancel : QMessageBox::No),
        box.button(QMessageBox::Cancel)};
    for (int i = 0; i < words.size() && i < order.size(); ++i)
        if (order[i])
            order[i]->setText(words[i]);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageHook::AnswerYes;
    case QMessageBox::No:
        return MessageHook::AnswerNo;
    case QMessageBox::Ok:
        return MessageHook::AnswerOk;
    default:
        return MessageHook::AnswerCancel;
    }
}

} // namespace

void MessageBoxHandler::install()
{
    MessageHook::setHandler(&show);
}
