#pragma once

#include <QList>
#include <QObject>

class CommandActions;
class QAction;

/**
 * Keeps the document-wide keys (Ctrl+S, Ctrl+E, Ctrl+P, F1...) the window's
 * whatever field has the focus. A text field may claim a key for itself
 * before any shortcut sees it (X11's keys make Ctrl+E "end of line" in a
 * line edit); for these commands that claim is refused, so the command runs.
 * Edit's own keys (copy, paste, undo) and the grid's row keys stay the
 * field's. Install it on the application.
 */
class WindowKeyFilter : public QObject
{
    Q_OBJECT

public:
    WindowKeyFilter(const CommandActions& actions, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAction*> m_actions;
};
