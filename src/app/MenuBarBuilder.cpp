#include "MenuBarBuilder.h"

#include "CommandActions.h"
#include "CommandIds.h"
#include "documents/DocumentTemplates.h"
#include "einvoice/EInvoiceExport.h"
#include "records/DocumentKind.h"
#include "settings/RecentFileList.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

using namespace CommandIds;

MenuBarBuilder::MenuBarBuilder(CommandActions& actions, RecentFileList& recent, QObject* parent)
    : QObject(parent), m_actions(actions), m_recent(recent)
{
}

namespace {

// Accessibility tools know a menu item by its action, and keep the menu it
// was first met in: an action shown again in a new menu would be reported
// as an empty item of a menu that is gone. Forget them with their menus.
void forgetAccessibleItems(const QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->menu())
            forgetAccessibleItems(action->menu());
        if (QAccessibleInterface* item = QAccessible::queryAccessibleInterface(action))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
}

} // namespace

void MenuBarBuilder::build(QMenuBar* bar, int menuId)
{
    const QList<QAction*> old = bar->actions();
    for (QAction* entry : old)
        if (entry->menu()) {
            forgetAccessibleItems(entry->menu());
            entry->menu()->deleteLater();
        }
    bar->clear();
    m_windowMenu = nullptr;
    const bool document = menuId != NoDocumentMenu;
    const DocumentKind* kind = DocumentKind::forResource(menuId);
    const auto offers = [kind](DocumentKind::Command command) {
        return kind && kind->offers(command);
    };
    auto act = [this](int id) { return m_actions.action(id); };

    QMenu* file = bar->addMenu(tr("&File"));
    addNewMenu(file);
    file->addAction(act(FileOpen));
    if (!document) {
        file->addSeparator();
        file->addAction(act(FilePrintSetup));
        file->addSeparator();
        addRecentFiles(file);
        file->addSeparator();
        file->addAction(act(FileClose));
        file->addAction(act(AppExit));
    } else {
        file->addAction(act(FileClose));
        file->addAction(act(FileSave));
        file->addAction(act(FileSaveAs));
        file->addAction(act(FileDuplicate));
        file->addSeparator();
        if (offers(DocumentKind::ImportCommand)) {
            file->addAction(act(FileImport));
            file->addSeparator();
        }
        if (offers(DocumentKind::NewInvoiceCommand))
            file->addAction(act(FileNewInvoiceFromThis));
        if (offers(DocumentKind::NewCreditNoteCommand))
            file->addAction(act(FileNewCreditNoteFromThis));
        if (offers(DocumentKind::ReminderCommand))
            file->addAction(act(FileReminder));
        file->addAction(act(FileExportPdf));
        if (kind && EInvoiceExport::canExport(*kind))
            file->addAction(act(FileExportEInvoice));
        file->addAction(act(FileSendMail));
        file->addSeparator();
        file->addAction(act(FilePrint));
        file->addAction(act(FilePrintPreview));
        file->addAction(act(FilePrintSetup));
        file->addSeparator();
        addRecentFiles(file);
        file->addSeparator();
        file->addAction(act(AppExit));
    }

    QMenu* edit = m_editMenu = bar->addMenu(tr("&Edit"));
    if (document) {
        // Offered while a grid has the focus (MainWindow::updateRowCommands).
        for (int id : {EditInsertRow, EditDeleteRow, EditMoveRowUp, EditMoveRowDown})
            edit->addAction(act(id));
        edit->addSeparator();
        QMenu* layout = edit->addMenu(tr("&Layout"));
        layout->addAction(act(LogoCentre));
        layout->addAction(act(LogoLeft));
        layout->addAction(act(LogoRight));
        edit->addSeparator();
    }
    edit->addAction(act(Options));
    edit->addAction(act(BusinessInformation));

    QMenu* view = bar->addMenu(tr("&View"));
    if (offers(DocumentKind::PaymentDetailsCommand)) {
        view->addAction(act(ViewPayments));
        view->addSeparator();
    }
    if (offers(DocumentKind::JobSectionsCommand)) {
        view->addAction(act(ViewMaterials));
        view->addAction(act(ViewHire));
        view->addAction(act(ViewTravel));
        // The quote's menu keeps the mnemonic it has always had.
        act(ViewLabour)
            ->setText(kind->id == DocumentKind::Estimate ? tr("&Labour") : tr("La&bour"));
        view->addAction(act(ViewLabour));
        view->addAction(act(ViewLabourBreakdown));
        view->addSeparator();
    }
    if (document) {
        view->addAction(act(ViewZoomIn));
        view->addAction(act(ViewZoomOut));
        view->addAction(act(ViewZoomFit));
        view->addSeparator();
        view->addAction(act(ViewNextTab));
        view->addAction(act(ViewPreviousTab));
        // The active document's tabs; those it lacks are hidden.
        QMenu* tabs = view->addMenu(tr("T&abs"));
        for (int i = 0; i < ViewTabCount; ++i)
            tabs->addAction(act(ViewTabFirst + i));
        view->addSeparator();
    }
    view->addAction(act(ViewDocuments));
    view->addAction(act(ViewCustomers));
    view->addAction(act(ViewToolbar));

    if (document) {
        m_windowMenu = bar->addMenu(tr("&Window"));
        m_windowMenu->addAction(act(WindowCascade));
        m_windowMenu->addAction(act(WindowTile));
        m_windowMenu->addAction(act(WindowArrange));
    }
    addHelpMenu(bar);
    // A screen reader reads the bar afresh.
    QAccessibleEvent rebuilt(bar, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&rebuilt);
}

void MenuBarBuilder::addNewMenu(QMenu* file)
{
    QMenu* menu = file->addMenu(tr("&New"));
    menu->addAction(m_actions.action(FileNewEstimate));
    menu->addAction(m_actions.action(FileNewQuote));
    menu->addAction(m_actions.action(FileNewInvoice));
    menu->addAction(m_actions.action(FileNewCreditNote));
}

void MenuBarBuilder::addRecentFiles(QMenu* file)
{
    const QStringList files = m_recent.files();
    if (files.isEmpty()) {
        file->addAction(tr("Recent File"))->setEnabled(false);
        return;
    }
    int number = 1;
    for (const QString& path : files) {
        const QString name = QDir::toNativeSeparators(path);
        QAction* action = file->addAction(QStringLiteral("&%1 %2").arg(number++).arg(
            QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&"))));
        action->setStatusTip(tr("Open %1").arg(name));
        action->setToolTip(name);
        connect(action, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
    }
}

void MenuBarBuilder::addHelpMenu(QMenuBar* bar)
{
    QMenu* help = bar->addMenu(tr("&Help"));
    help->addAction(m_actions.action(HelpContents));
    help->addSeparator();
    help->addAction(m_actions.action(AppAbout));
}
