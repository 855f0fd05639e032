#pragma once

#include <QObject>
#include <QString>

class CommandActions;
class QMenu;
class QMenuBar;
class RecentFileList;

/**
 * Fills the menu bar for one kind of active document: 128 with no document
 * (or the start page), 130 estimate, 131 invoice, 132 quote. The menus share
 * the actions of CommandActions, so keys and enabled states carry over when
 * the bar switches.
 */
class MenuBarBuilder : public QObject
{
    Q_OBJECT
public:
    static constexpr int NoDocumentMenu = 128;

    MenuBarBuilder(CommandActions& actions, RecentFileList& recent, QObject* parent = nullptr);

    void build(QMenuBar* bar, int menuId);
    /// The Window menu of the last build, or null when that kind has none.
    QMenu* windowMenu() const { return m_windowMenu; }
    /// The Edit menu of the last build.
    QMenu* editMenu() const { return m_editMenu; }

signals:
    void recentFileChosen(const QString& path);

private:
    void addNewMenu(QMenu* file);
    void addRecentFiles(QMenu* file);
    void addHelpMenu(QMenuBar* bar);

    CommandActions& m_actions;
    RecentFileList& m_recent;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_editMenu = nullptr;
};
