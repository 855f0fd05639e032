#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <map>

class QAction;

/**
 * One QAction per command id, with its menu text, key, status-bar prompt,
 * tool tip and tool bar picture. Menus and the tool bar show these actions;
 * the owner connects their triggered() signals to whoever handles them.
 */
class CommandActions : public QObject
{
    Q_OBJECT
public:
    explicit CommandActions(QObject* parent);

    /// The action of `id`; null for a command this window does not know.
    QAction* action(int id) const;
    /// Every action that carries a key, so a window can take them all.
    QList<QAction*> withShortcuts() const;
    /// Files an action made elsewhere (the tool bar's toggle) under `id`.
    void adopt(int id, QAction* action) { m_actions[id] = action; }

private:
    QAction* make(int id, const QString& text, const QKeySequence& key = {},
                  const QString& prompt = {}, const QString& icon = {});
    /// Sets prompt and tip from a string-table entry "prompt\ntip".
    void setPromptFromTable(QAction* action, int stringId);

    std::map<int, QAction*> m_actions;
};
