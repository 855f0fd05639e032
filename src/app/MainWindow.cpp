#include "MainWindow.h"

#include "CommandActions.h"
#include "CommandIds.h"
#include "DocumentWindow.h"
#include "LockKeyIndicators.h"
#include "MenuBarBuilder.h"
#include "documents/Document.h"
#include "documents/DocumentTemplate.h"
#include "documents/DocumentTemplates.h"
#include "einvoice/EInvoiceExport.h"
#include "resources/StringTable.h"
#include "settings/RecentFileList.h"
#include "settings/SettingsStore.h"
#include "views/ItemGrid.h"
#include "views/JobEditView.h"
#include "views/JobInvoiceEditView.h"
#include "views/JobQuoteEditView.h"
#include "views/PreviewTab.h"
#include "views/TabStrip.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

using namespace CommandIds;

MainWindow::MainWindow(CommandActions& actions, RecentFileList& recent, QWidget* parent)
    : QMainWindow(parent), m_actions(actions), m_mdi(new QMdiArea(this)),
      m_menus(new MenuBarBuilder(actions, recent, this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(StringTable::text(IDS_APP_TITLE).toQString());
    setWindowIcon(QIcon(QStringLiteral(":/art/vorlane.svg")));
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setBackground(palette().dark());
    // Closing a window goes back to the one used before it.
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdi);

    createToolBar();
    createStatusBar();
    addActions(actions.withShortcuts());

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        refreshMenus();
        updateCommandStates();
    });
    connect(m_menus, &MenuBarBuilder::recentFileChosen, this, &MainWindow::recentFileChosen);
    connect(&recent, &RecentFileList::changed, this, [this] {
        m_menuId = -1;
        refreshMenus();
    });
    connect(actions.action(WindowCascade), &QAction::triggered, this, &MainWindow::cascadeWindows);
    connect(actions.action(WindowTile), &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(actions.action(WindowArrange), &QAction::triggered, this, &MainWindow::arrangeIcons);
    connect(actions.action(AppExit), &QAction::triggered, this, &QWidget::close);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateRowCommands);

    refreshMenus();
    updateCommandStates();
}

MainWindow::~MainWindow()
{
    // The document windows go after this part of the main window: they must not call back into it.
    m_mdi->disconnect(this);
    disconnect(qApp, nullptr, this, nullptr);
    // Closed windows wait for deletion outside the MDI area's list; find them all.
    for (DocumentWindow* frame : findChildren<DocumentWindow*>())
        frame->disconnect(this);
}

void MainWindow::createToolBar()
{
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar128"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->addAction(m_actions.action(FileNewEstimate));
    m_toolBar->addAction(m_actions.action(FileNewQuote));
    m_toolBar->addAction(m_actions.action(FileNewInvoice));
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions.action(FileOpen));
    m_toolBar->addAction(m_actions.action(FileSave));
    m_toolBar->addAction(m_actions.action(FilePrint));
    m_toolBar->addAction(m_actions.action(FileExportPdf));
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions.action(ViewDocuments));
    m_toolBar->addAction(m_actions.action(ViewCustomers));
    m_toolBar->addAction(m_actions.action(Options));
    m_toolBar->addAction(m_actions.action(HelpContents));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    QAction* toggle = m_toolBar->toggleViewAction();
    toggle->setText(tr("&Toolbar"));
    toggle->setStatusTip(tr("Show or hide the toolbar"));
    toggle->setData(ViewToolbar);
    m_actions.adopt(ViewToolbar, toggle);
}

void MainWindow::createStatusBar()
{
    const QString ready = StringTable::text(IDS_IDLE_MESSAGE).toQString();
    m_locks = new LockKeyIndicators(this);
    statusBar()->addPermanentWidget(m_locks);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this, ready](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(ready);
    });
    statusBar()->showMessage(ready);
}

DocumentWindow* MainWindow::activeDocumentWindow() const
{
    return qobject_cast<DocumentWindow*>(m_mdi->currentSubWindow());
}

QList<DocumentWindow*> MainWindow::documentWindows() const
{
    QList<DocumentWindow*> frames;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto* frame = qobject_cast<DocumentWindow*>(window))
            frames.append(frame);
    return frames;
}

void MainWindow::addDocumentWindow(DocumentWindow* frame)
{
    m_mdi->addSubWindow(frame);
    // Save follows the modified flag, and the View switches the current tab.
    connect(&frame->document(), &Document::modifiedChanged, this, &MainWindow::updateCommandStates);
    if (auto* view = qobject_cast<TabbedEditView*>(frame->viewWidget())) {
        connect(view, &TabbedEditView::currentTabChanged, this, &MainWindow::updateCommandStates);
        if (PreviewTab* preview = view->previewTab())
            connect(preview, &PreviewTab::zoomChanged, this, &MainWindow::updateCommandStates);
    }
    connect(frame, &QObject::destroyed, this, [this] {
        refreshMenus();
        updateCommandStates();
    });
    // Restored from maximised, a window keeps a size one can work in.
    frame->resize(m_mdi->size().expandedTo(QSize(800, 600)) * 3 / 4);
    frame->showMaximized();
    m_mdi->setActiveSubWindow(frame);
    refreshMenus();
    updateCommandStates();
}

void MainWindow::refreshMenus()
{
    int menuId = MenuBarBuilder::NoDocumentMenu;
    if (DocumentWindow* frame = activeDocumentWindow())
        if (DocumentTemplate* kind = frame->document().documentTemplate())
            if (kind->resourceId() != DocumentTemplates::StartPageResource)
                menuId = kind->resourceId();
    if (menuId == m_menuId)
        return;
    m_menuId = menuId;
    m_windowEntries.clear();
    m_menus->build(menuBar(), menuId);
    if (QMenu* window = m_menus->windowMenu())
        connect(window, &QMenu::aboutToShow, this, &MainWindow::fillWindowList);
    connect(m_menus->editMenu(), &QMenu::aboutToShow, this, &MainWindow::updateRowCommands);
}

void MainWindow::fillWindowList()
{
    QMenu* menu = m_menus->windowMenu();
    if (!menu)
        return;
    for (QAction* entry : m_windowEntries) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    m_windowEntries.clear();
    const QList<DocumentWindow*> frames = documentWindows();
    if (frames.isEmpty())
        return;
    m_windowEntries.append(menu->addSeparator());
    int number = 1;
    for (DocumentWindow* frame : frames) {
        // A "&" in a title is shown, not taken for a shortcut.
        QString title = frame->document().title();
        QAction* entry = menu->addAction(
            QStringLiteral("&%1 %2").arg(number++).arg(title.replace(u'&', QStringLiteral("&&"))));
        entry->setCheckable(true);
        entry->setChecked(frame == activeDocumentWindow());
        connect(entry, &QAction::triggered, frame,
                [this, frame] { m_mdi->setActiveSubWindow(frame); });
        m_windowEntries.append(entry);
    }
}

void MainWindow::updateCommandStates()
{
    DocumentWindow* frame = activeDocumentWindow();
    const bool document = frame && frame->isUserClosable();
    // A new document that was never saved may be saved as it stands.
    const bool unsaved =
        document && (frame->document().isModified() || frame->document().path().isEmpty());
    m_actions.action(FileClose)->setEnabled(document);
    m_actions.action(FileSave)->setEnabled(unsaved);
    // Save As copies any document, changed or not: an old invoice is the
    // start of a new one.
    m_actions.action(FileSaveAs)->setEnabled(document);
    for (int id : {LogoCentre, LogoLeft, LogoRight, FilePrint, FilePrintPreview, FileExportPdf,
                   FileSendMail})
        m_actions.action(id)->setEnabled(document);
    m_actions.action(FileNewInvoiceFromThis)
        ->setEnabled(document && qobject_cast<JobEditView*>(frame->viewWidget()));
    const DocumentKind* kind = document && frame->document().documentTemplate()
                                   ? frame->document().documentTemplate()->kind()
                                   : nullptr;
    m_actions.action(FileDuplicate)->setEnabled(kind != nullptr);
    m_actions.action(FileNewCreditNoteFromThis)
        ->setEnabled(kind && kind->offers(DocumentKind::NewCreditNoteCommand));
    m_actions.action(FileReminder)->setEnabled(kind && kind->offers(DocumentKind::ReminderCommand));
    m_actions.action(FileExportEInvoice)->setEnabled(kind && EInvoiceExport::canExport(*kind));
    // The logo position in force carries the check mark.
    const int logoLayout = SettingsStore::get(SettingKeys::LogoLayout);
    const int logoCommands[] = {LogoCentre, LogoLeft, LogoRight};
    for (int layout = 0; layout < 3; ++layout) {
        QAction* action = m_actions.action(logoCommands[layout]);
        action->setCheckable(true);
        action->setChecked(layout == logoLayout);
    }
    updateViewCommands(frame);
    for (DocumentWindow* child : documentWindows())
        child->syncTitle();
    m_locks->refresh();
}

const std::pair<int, JobEditView::Section> MainWindow::ViewSectionCommands[5] = {
    {ViewMaterials, PageSection::Materials},
    {ViewHire, PageSection::Hire},
    {ViewTravel, PageSection::Travel},
    {ViewLabour, PageSection::Labour},
    {ViewLabourBreakdown, PageSection::LabourBreakdown}};

void MainWindow::updateViewCommands(DocumentWindow* frame)
{
    QWidget* widget = frame ? frame->viewWidget() : nullptr;
    auto* job = qobject_cast<JobEditView*>(widget);
    auto* invoice = qobject_cast<JobInvoiceEditView*>(widget);
    for (const auto& [id, section] : ViewSectionCommands) {
        QAction* action = m_actions.action(id);
        action->setCheckable(true);
        action->setEnabled(job && job->isSectionEnabled(section));
        action->setChecked(job && job->isSectionOn(section));
    }
    const DocumentTemplate* kind = frame ? frame->document().documentTemplate() : nullptr;
    m_actions.action(FileImport)
        ->setEnabled(kind && kind->kind() && kind->kind()->offers(DocumentKind::ImportCommand) &&
                     (invoice || qobject_cast<JobQuoteEditView*>(widget)));
    // Off elsewhere, so the keys reach the fields and grids of the other tabs.
    auto* tabbed = qobject_cast<TabbedEditView*>(widget);
    const bool preview = tabbed && tabbed->isPreviewCurrent();
    PreviewTab* previewTab = preview ? tabbed->previewTab() : nullptr;
    m_actions.action(ViewZoomIn)->setEnabled(previewTab && previewTab->canZoomIn());
    m_actions.action(ViewZoomOut)->setEnabled(previewTab && previewTab->canZoomOut());
    m_actions.action(ViewZoomFit)->setEnabled(preview);
    // The tabs by number, Next and Previous as far as there are tabs.
    for (int i = 0; i < ViewTabCount; ++i) {
        QAction* action = m_actions.action(ViewTabFirst + i);
        const bool exists = tabbed && i < tabbed->tabCount();
        action->setVisible(exists);
        if (!exists)
            continue;
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
            tabbed->strip()->tabText(i).replace(u'&', QStringLiteral("&&"))));
        action->setChecked(i == tabbed->currentIndex());
    }
    m_actions.action(ViewNextTab)
        ->setEnabled(tabbed && tabbed->currentIndex() < tabbed->tabCount() - 1);
    m_actions.action(ViewPreviousTab)->setEnabled(tabbed && tabbed->currentIndex() > 0);
    updateRowCommands();
    QAction* payments = m_actions.action(ViewPayments);
    payments->setCheckable(true);
    payments->setEnabled(invoice && invoice->isPaymentDetailsEnabled());
    payments->setChecked(invoice && invoice->showPaymentDetails());
}

ItemGrid* MainWindow::focusGrid() const
{
    DocumentWindow* frame = activeDocumentWindow();
    QWidget* focus = QApplication::focusWidget();
    if (!frame || !focus || !frame->isAncestorOf(focus))
        return nullptr;
    for (QWidget* w = focus; w && w != frame; w = w->parentWidget())
        if (auto* grid = qobject_cast<ItemGrid*>(w))
            return grid;
    return nullptr;
}

void MainWindow::updateRowCommands()
{
    const std::pair<int, ItemGrid::RowCommand> commands[] = {
        {EditInsertRow, ItemGrid::InsertRow},
        {EditDeleteRow, ItemGrid::DeleteRow},
        {EditMoveRowUp, ItemGrid::MoveRowUp},
        {EditMoveRowDown, ItemGrid::MoveRowDown}};
    // A key whose command is off here still reaches the grid, which runs it
    // when its row allows (the menu is brought up to date as it opens).
    ItemGrid* grid = focusGrid();
    for (const auto& [id, command] : commands)
        m_actions.action(id)->setEnabled(grid && grid->canRun(command));
}

bool MainWindow::queryCloseAll()
{
    for (DocumentWindow* frame : documentWindows())
        if (!frame->queryClose())
            return false;
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!queryCloseAll()) {
        event->ignore();
        return;
    }
    for (DocumentWindow* frame : documentWindows())
        frame->forceClose();
    event->accept();
}

void MainWindow::cascadeWindows()
{
    m_mdi->cascadeSubWindows();
    // The area's own cascade leaves windows that were maximised at their
    // minimum size: give each two thirds of the area, within reason.
    const QSize area = m_mdi->viewport()->size();
    const QSize size = (area * 2 / 3).expandedTo(QSize(480, 360)).boundedTo(area);
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::StackingOrder))
        if (window->isVisible() && !window->isMinimized())
            window->resize(size);
}

void MainWindow::arrangeIcons()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}

QStringList MainWindow::localFiles(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    emit filesDropped(paths);
}
