#include "CommandActions.h"

#include "CommandIds.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QIcon>

using namespace CommandIds;

CommandActions::CommandActions(QObject* parent) : QObject(parent)
{
    const auto ctrlShift = Qt::CTRL | Qt::SHIFT;
    setPromptFromTable(make(FileNewEstimate, tr("&Estimate"), QKeySequence(ctrlShift | Qt::Key_E),
                            {}, QStringLiteral("tb-new-estimate")),
                       IDS_PROMPT_NEW_ESTIMATE);
    setPromptFromTable(make(FileNewQuote, tr("&Quote"), QKeySequence(ctrlShift | Qt::Key_Q), {},
                            QStringLiteral("tb-new-quote")),
                       IDS_PROMPT_NEW_QUOTE);
    setPromptFromTable(make(FileNewInvoice, tr("&Invoice"), QKeySequence(ctrlShift | Qt::Key_I), {},
                            QStringLiteral("tb-new-invoice")),
                       IDS_PROMPT_NEW_INVOICE);
    setPromptFromTable(make(FileNewCreditNote, tr("&Credit Note")), IDS_PROMPT_NEW_CREDIT_NOTE);
    make(FileNew, tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), tr("Create a new document\nNew"));
    make(FileOpen, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
         tr("Open an existing document\nOpen"), QStringLiteral("tb-open"));
    make(FileClose, tr("&Close"), {}, tr("Close the active document\nClose"));
    make(FileSave, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
         tr("Save the active document\nSave"), QStringLiteral("tb-save"));
    make(FileSaveAs, tr("Save &As..."), {},
         tr("Save the active document with a new name\nSave As"));
    make(FilePrintSetup, tr("P&rint Setup..."), {},
         tr("Change the printer and printing options\nPage Setup"));
    make(FilePrint, tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
         tr("Print the active document\nPrint"), QStringLiteral("tb-print"));
    make(FilePrintPreview, tr("Print Pre&view"), {}, tr("Display full pages\nPrint Preview"));
    // The menu shows Ctrl+I beside Import; the key runs Import too.
    make(FileImport, tr("&Import..."), QKeySequence(Qt::CTRL | Qt::Key_I),
         tr("Import an estimate or quote into this document\nImport"));
    // Ctrl+Shift+E is New Estimate: the export takes Ctrl+E.
    make(FileExportPdf, tr("&Export as PDF..."), QKeySequence(Qt::CTRL | Qt::Key_E),
         tr("Write the active document as a PDF file\nExport as PDF"),
         QStringLiteral("tb-export-pdf"));
    make(FileExportEInvoice, tr("Export as E-invoice..."), {},
         tr("Write the invoice or credit note as an e-invoice: UBL, CII, or a PDF with the "
            "invoice's data inside\nExport as E-invoice"));
    make(FileSendMail, tr("Sen&d by E-mail..."), {},
         tr("Attach the active document as a PDF to a new e-mail\nSend by E-mail"));
    make(FileNewInvoiceFromThis, tr("New Invoice &from This..."), {},
         tr("Start a new invoice from this estimate or quote\nNew Invoice from This"));
    make(FileNewCreditNoteFromThis, tr("New Credi&t Note from This..."), {},
         tr("Credit the whole of this invoice or chosen lines on a new credit note\n"
            "New Credit Note from This"));
    make(FileDuplicate, tr("D&uplicate"), {},
         tr("Start a new document of this kind with the same customer and lines, the next "
            "number and today's date\nDuplicate"));
    make(FileReminder, tr("Pa&yment Reminder..."), {},
         tr("Print, export or e-mail a reminder that this invoice is overdue\nPayment Reminder"));
    make(AppExit, tr("E&xit"), {}, tr("Quit the application; prompts to save documents\nExit"));

    setPromptFromTable(
        make(Options, tr("&Options"), QKeySequence(Qt::Key_F4), {}, QStringLiteral("tb-options")),
        IDS_PROMPT_OPTIONS);
    make(BusinessInformation, tr("&Business Information"), {},
         tr("Enter the details of your business step by step"));
    make(LogoCentre, tr("Logo in &Centre"), {}, tr("Put the logo in the centre of the page"));
    make(LogoLeft, tr("Logo on &Left"), {}, tr("Put the logo on the left of the page"));
    make(LogoRight, tr("Logo on &Right"), {}, tr("Put the logo on the right of the page"));

    make(ViewMaterials, tr("&Materials"), {}, tr("Show or hide the materials"));
    make(ViewHire, tr("&Hire Charges"), {}, tr("Show or hide the hire charges"));
    make(ViewTravel, tr("T&ravel"), {}, tr("Show or hide the travel"));
    make(ViewLabour, tr("&Labour"), {}, tr("Show or hide the labour"));
    make(ViewLabourBreakdown, tr("&Detailed Breakdown of Labour"), {},
         tr("Show or hide the breakdown of the labour"));
    make(ViewPayments, tr("&Payment Details"), {}, tr("Show or hide the payment details"));
    make(ViewZoomIn, tr("Zoom &In"), QKeySequence(Qt::CTRL | Qt::Key_Plus),
         tr("Show the page larger\nZoom In"));
    make(ViewZoomOut, tr("Zoom &Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
         tr("Show the page smaller\nZoom Out"));
    make(ViewZoomFit, tr("&Fit to Width"), QKeySequence(Qt::CTRL | Qt::Key_0),
         tr("Show the page as wide as the window\nFit to Width"));

    make(WindowCascade, tr("&Cascade"), {}, tr("Arrange windows so they overlap\nCascade Windows"));
    make(WindowTile, tr("&Tile"), {}, tr("Arrange windows as non-overlapping tiles\nTile Windows"));
    make(WindowArrange, tr("&Arrange Icons"), {},
         tr("Arrange icons at the bottom of the window\nArrange Icons"));

    make(ViewDocuments, tr("Do&cuments"), QKeySequence(ctrlShift | Qt::Key_D),
         tr("List every estimate, quote and invoice: who owes what, what is overdue\nDocuments"),
         QStringLiteral("tb-documents"));
    make(ViewCustomers, tr("C&ustomers"), QKeySequence(ctrlShift | Qt::Key_C),
         tr("List, find, correct, merge and delete customers; what each owes\nCustomers"),
         QStringLiteral("tb-customers"));
    setPromptFromTable(make(HelpContents, tr("Contents..."), QKeySequence(Qt::Key_F1), {},
                            QStringLiteral("tb-help")),
                       IDS_PROMPT_HELP);
    // The tabs of a document: Ctrl+Page Down and Ctrl+Page Up as elsewhere on
    // the desktop, F8 and F7 as they always were. Ctrl+Tab stays with the
    // document windows.
    make(ViewNextTab, tr("Ne&xt Tab"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
         tr("Show the next tab\nNext Tab"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::Key_F8)});
    make(ViewPreviousTab, tr("Pre&vious Tab"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
         tr("Show the previous tab\nPrevious Tab"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::Key_F7)});
    // The active document names its tabs (MainWindow::updateViewCommands).
    for (int i = 0; i < ViewTabCount; ++i)
        make(ViewTabFirst + i, QString(), QKeySequence(Qt::ALT | (Qt::Key_1 + i)),
             tr("Show this tab"))
            ->setCheckable(true);
    // The grid's row commands, on keys a laptop has; the grid itself also
    // takes the numeric keypad's.
    make(EditInsertRow, tr("&Insert Row"), QKeySequence(Qt::CTRL | Qt::Key_Equal),
         tr("Insert an empty row above this one\nInsert Row"));
    make(EditDeleteRow, tr("&Delete Row"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
         tr("Delete this row\nDelete Row"));
    make(EditMoveRowUp, tr("Move Row &Up"), QKeySequence(Qt::ALT | Qt::Key_Up),
         tr("Move this row up\nMove Row Up"));
    make(EditMoveRowDown, tr("Move Row Do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down),
         tr("Move this row down\nMove Row Down"));
    // Keys without a menu item: the edit commands for whichever control has
    // the focus (one that handles a key itself, such as a text field's copy,
    // takes it first).
    make(EditCopy, tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    make(EditCut, tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    make(EditPaste, tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    make(EditUndo, tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});

    make(AppAbout, tr("&About Vorlane..."), {},
         tr("Display program information, version number and copyright\nAbout"));
}

QAction* CommandActions::make(int id, const QString& text, const QKeySequence& key,
                              const QString& prompt, const QString& icon)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        // The window owns the keys whatever the focus inside it.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (!icon.isEmpty())
        action->setIcon(QIcon(QStringLiteral(":/art/%1.svg").arg(icon)));
    const QStringList parts = prompt.split(u'\n');
    action->setStatusTip(parts.value(0));
    if (parts.size() > 1)
        action->setToolTip(parts.at(1));
    m_actions[id] = action;
    return action;
}

void CommandActions::setPromptFromTable(QAction* action, int stringId)
{
    const QStringList parts = StringTable::text(stringId).toQString().split(u'\n');
    action->setStatusTip(parts.value(0));
    action->setToolTip(parts.value(1, parts.value(0)));
}

QAction* CommandActions::action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QList<QAction*> CommandActions::withShortcuts() const
{
    QList<QAction*> result;
    for (const auto& [id, action] : m_actions)
        if (!action->shortcut().isEmpty())
            result.append(action);
    return result;
}
