#pragma once

#include "views/JobEditView.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

class CommandActions;
class DocumentWindow;
class ItemGrid;
class LockKeyIndicators;
class MenuBarBuilder;
class QMdiArea;
class QMimeData;
class QMdiSubWindow;
class QToolBar;
class RecentFileList;

/**
 * The main window: the document windows in an MDI area, the menu bar of the
 * active document's kind, the dockable tool bar and the status bar with the
 * lock-key indicators. It keeps the commands' enabled states up to date the
 * way an idle handler would; what the commands do is wired by its owner.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    /// The View-menu switch of each section of an estimate or quote.
    static const std::pair<int, JobEditView::Section> ViewSectionCommands[5];

    MainWindow(CommandActions& actions, RecentFileList& recent, QWidget* parent = nullptr);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    QToolBar* toolBar() const { return m_toolBar; }
    MenuBarBuilder& menus() const { return *m_menus; }
    /// The active document window, or null.
    DocumentWindow* activeDocumentWindow() const;
    QList<DocumentWindow*> documentWindows() const;
    void addDocumentWindow(DocumentWindow* frame);
    /// The menu id shown now: 128, or the resource id of the active document's kind.
    int currentMenuId() const { return m_menuId; }

    /// Enables Close, Save and Save As for the active document, refreshes the
    /// captions and the lock indicators.
    void updateCommandStates();
    /// The View menu's switches follow the active document's view: offered
    /// on its Preview tab only, ticked while on.
    void updateViewCommands(DocumentWindow* frame);
    /// The grid with the keyboard focus in the active document (its cell
    /// editor's too), or null.
    ItemGrid* focusGrid() const;
    /// Edit's row commands follow the grid with the focus and its current row.
    void updateRowCommands();
    /// Asks about every modified document; true when all may close.
    bool queryCloseAll();
    void arrangeIcons();
    /// Window, Cascade: the windows overlap, each at a size one can work in.
    void cascadeWindows();

signals:
    void filesDropped(const QStringList& paths);
    void recentFileChosen(const QString& path);

public slots:
    void refreshMenus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createToolBar();
    void createStatusBar();
    void fillWindowList();
    static QStringList localFiles(const QMimeData* mime);

    CommandActions& m_actions;
    QMdiArea* m_mdi;
    QToolBar* m_toolBar = nullptr;
    MenuBarBuilder* m_menus;
    LockKeyIndicators* m_locks = nullptr;
    int m_menuId = -1;
    QList<QAction*> m_windowEntries;
};
