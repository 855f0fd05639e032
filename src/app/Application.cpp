#include "Application.h"

#include "AboutDialog.h"
#include "BusinessWizard.h"
#include "CommandActions.h"
#include "CommandDialogs.h"
#include "CommandIds.h"
#include "CustomerExportDialog.h"
#include "CustomerImportDialog.h"
#include "CustomersWindow.h"
#include "DocumentWindow.h"
#include "DocumentsOverview.h"
#include "ExportCommands.h"
#include "HelpLauncher.h"
#include "HelpWindow.h"
#include "InstanceChannel.h"
#include "InvoiceCredits.h"
#include "LedgerModel.h"
#include "MailLauncher.h"
#include "MainWindow.h"
#include "MenuBarBuilder.h"
#include "OptionsDialog.h"
#include "PaymentCommands.h"
#include "SplashScreen.h"
#include "StartPageView.h"
#include "WindowKeyFilter.h"
#include "commands/CommandLine.h"
#include "commands/StatementCommand.h"
#include "documents/Document.h"
#include "documents/FileFilter.h"
#include "documents/JobBaseDoc.h"
#include "documents/JobDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "documents/StartPageDoc.h"
#include "documents/UpdateHint.h"
#include "ledger/DocumentScanner.h"
#include "ledger/Ledger.h"
#include "records/JobBase.h"
#include "records/JobCreditNote.h"
#include "resources/StringTable.h"
#include "settings/RecentFileList.h"
#include "settings/SettingsStore.h"
#include "views/CustomerTab.h"
#include "views/ItemGrid.h"
#include "views/JobEditView.h"
#include "views/JobEstimateEditView.h"
#include "views/JobInvoiceEditView.h"
#include "views/JobQuoteEditView.h"
#include "views/MessageHook.h"
#include "views/PreviewTab.h"
#include "views/PrintSetup.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStatusBar>

using namespace CommandIds;
using ombrel::OMString;

namespace {

void showError(const QString& text)
{
    MessageHook::show(text, MessageHook::Error, MessageHook::Ok);
}

void showWarning(const QString& text)
{
    MessageHook::show(text, MessageHook::Warning, MessageHook::Ok);
}

/// A document saved before VAT registration: asks whether to apply VAT now.
void askToApplyVAT(Document& document)
{
    auto* job = dynamic_cast<JobBaseDoc*>(&document);
    if (job && job->needsVATQuestion() &&
        MessageHook::show(JobBaseDoc::vatQuestion(), MessageHook::Question, MessageHook::YesNo) ==
            MessageHook::AnswerYes)
        job->applyStandardVAT();
}

QString invalidFileText(const QString& path)
{
    return StringTable::text(IDS_FILE_INVALID).toQString().arg(path);
}

} // namespace

Application::Application(std::unique_ptr<CommandDialogs> dialogs, QObject* parent)
    : QObject(parent), m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<CommandDialogs>()),
      m_mail(std::make_unique<MailLauncher>()), m_actions(new CommandActions(this)),
      m_recent(new RecentFileList(this)), m_programFolder(QCoreApplication::applicationDirPath())
{
    m_actions->action(FileSendMail)->setVisible(m_mail->available());
    const auto resource = [](DocumentKind::Id kind) { return DocumentKind::get(kind).resourceId; };
    m_viewFactories[resource(DocumentKind::Estimate)] = [this](Document& document) {
        auto* view = new JobEstimateEditView(static_cast<JobDoc*>(&document), m_styles);
        return ViewParts{view, view};
    };
    m_viewFactories[resource(DocumentKind::Quote)] = [this](Document& document) {
        auto* view = new JobQuoteEditView(static_cast<JobDoc*>(&document), m_styles);
        return ViewParts{view, view};
    };
    // A credit note is edited as an invoice is, with its own words.
    for (const DocumentKind::Id kind : {DocumentKind::Invoice, DocumentKind::CreditNote})
        m_viewFactories[resource(kind)] = [this](Document& document) {
            auto* view = new JobInvoiceEditView(static_cast<JobInvoiceDoc*>(&document), m_styles);
            connect(view, &JobInvoiceEditView::creditNoteRequested, this,
                    &Application::newCreditNoteFromThis, Qt::QueuedConnection);
            return ViewParts{view, view};
        };
}

Application::~Application()
{
    // Windows go before the document kinds their documents belong to.
    m_mainWindow.reset();
}

bool Application::start(const CommandLine& commandLine)
{
    m_flags = uint32_t(SettingsStore::get(SettingKeys::Mode));
    if (SettingsStore::isSet(SettingKeys::Splash))
        SplashScreen::showFor();

    registerTemplates();
    loadTextStyles();
    loadCustomerDatabase();
    createMainWindow();
    // Later starts hand their files over from now on, even while this one
    // still asks its first-run question. A run that only shows itself and
    // quits takes none.
    if (!commandLine.quitAfterShow)
        listenForOtherStarts();

    // The documents named are read before the window shows, so that its
    // first paint shows them. One that cannot be read, or that asks whether
    // to apply VAT, opens once the window shows, so that its message stands
    // over the window rather than over an empty screen.
    QStringList afterShowing;
    for (const QString& path : commandLine.files) {
        if (windowFor(path))
            continue;
        std::unique_ptr<Document> document = m_templates.openDocumentFile(path);
        const auto* job = dynamic_cast<const JobBaseDoc*>(document.get());
        if (!document || (job && job->needsVATQuestion())) {
            afterShowing.append(path);
            continue;
        }
        m_recent->add(path);
        addWindow(std::move(document));
    }
    // Without a window manager to honour "maximised", fill the screen anyway.
    if (QScreen* screen = m_mainWindow->screen())
        m_mainWindow->setGeometry(screen->availableGeometry());
    m_mainWindow->showMaximized();
    m_mainWindow->activateWindow();
    m_mainWindow->repaint();

    bool ok = true;
    for (const QString& path : afterShowing)
        ok = openDocumentFile(path) != nullptr && ok;
    if (!ok) {
        m_mainWindow->hide();
        return false;
    }
    const bool openStartPage = commandLine.files.isEmpty();

    if (!(m_flags & SettingKeys::FirstRunDone))
        runFirstRun();
    if (openStartPage)
        openNewDocument(DocumentTemplates::StartPageResource);
    if (SettingsStore::isSet(SettingKeys::OverviewAtStart) && commandLine.files.isEmpty())
        showDocumentsOverview();
    // A document named on the command line is the one the user wants to see.
    if (!commandLine.files.isEmpty())
        if (DocumentWindow* frame = windowFor(commandLine.files.constLast()))
            m_mainWindow->mdiArea()->setActiveSubWindow(frame);
    emit started();
    // Requests that came while start-up was busy.
    QMetaObject::invokeMethod(this, &Application::servePendingRequests, Qt::QueuedConnection);
    return true;
}

void Application::registerTemplates()
{
    m_templates.registerJobTemplates(&m_customers);
    m_templates.add(std::make_unique<DocumentTemplate>(
        DocumentTemplates::StartPageResource, [] { return std::make_unique<StartPageDoc>(); }));
}

void Application::loadTextStyles()
{
    m_styles.loadStyles();
}

void Application::loadCustomerDatabase()
{
    // The window never waits long for another copy: a busy database is
    // written in the background once that copy lets it go.
    m_customers.setLockTimes(CustomerLockWaitMs, CustomerDatabase::DefaultStaleLockMs);
    m_customerRetry = new QTimer(this);
    m_customerRetry->setInterval(CustomerRetryMs);
    connect(m_customerRetry, &QTimer::timeout, this, &Application::retryCustomerWrite);
    QString error;
    if (!m_customers.loadCustomerDatabase(&error))
        showWarning(error);
}

void Application::createMainWindow()
{
    m_mainWindow = std::make_unique<MainWindow>(*m_actions, *m_recent);
    m_mainWindow->installEventFilter(this);
    qApp->installEventFilter(new WindowKeyFilter(*m_actions, m_mainWindow.get()));
    connectCommands();
    connect(m_mainWindow.get(), &MainWindow::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            openDocumentFile(path);
    });
    connect(m_mainWindow.get(), &MainWindow::recentFileChosen, this,
            [this](const QString& path) { openDocumentFile(path); });
}

void Application::connectCommands()
{
    auto on = [this](int id, auto slot) {
        connect(m_actions->action(id), &QAction::triggered, this, slot);
    };
    on(FileNewEstimate, [this] { openNewDocument(DocumentKind::Estimate); });
    on(FileNewQuote, [this] { openNewDocument(DocumentKind::Quote); });
    on(FileNewInvoice, [this] { openNewDocument(DocumentKind::Invoice); });
    on(FileNewCreditNote, [this] { openNewDocument(DocumentKind::CreditNote); });
    on(FileNew, &Application::newFile);
    on(FileOpen, &Application::openFile);
    on(FileClose, &Application::closeFile);
    on(FileSave, &Application::save);
    on(FileSaveAs, &Application::saveAs);
    on(FilePrintSetup, &Application::printSetup);
    on(FilePrint, &Application::print);
    on(FilePrintPreview, &Application::printPreview);
    on(FileImport, &Application::importFile);
    on(FileExportPdf, &Application::exportPdf);
    on(FileSendMail, &Application::sendByEmail);
    on(FileExportEInvoice, &Application::exportEInvoice);
    on(FileNewInvoiceFromThis, &Application::newInvoiceFromThis);
    on(ViewDocuments, &Application::showDocumentsOverview);
    on(ViewCustomers, &Application::showCustomers);
    on(FileNewCreditNoteFromThis, &Application::newCreditNoteFromThis);
    on(FileReminder, &Application::sendReminder);
    on(FileDuplicate, &Application::duplicate);
    on(ViewNextTab, [this] {
        if (TabbedEditView* view = activeEditView())
            view->nextTab();
    });
    on(ViewPreviousTab, [this] {
        if (TabbedEditView* view = activeEditView())
            view->previousTab();
    });
    for (int i = 0; i < ViewTabCount; ++i)
        on(ViewTabFirst + i, [this, i] {
            if (TabbedEditView* view = activeEditView())
                view->selectTab(i);
            m_mainWindow->updateCommandStates();
        });
    const std::pair<int, ItemGrid::RowCommand> rowCommands[] = {
        {EditInsertRow, ItemGrid::InsertRow},
        {EditDeleteRow, ItemGrid::DeleteRow},
        {EditMoveRowUp, ItemGrid::MoveRowUp},
        {EditMoveRowDown, ItemGrid::MoveRowDown}};
    for (const auto& [id, command] : rowCommands)
        on(id, [this, command = command] {
            if (ItemGrid* grid = m_mainWindow->focusGrid())
                grid->run(command);
            m_mainWindow->updateRowCommands();
        });
    on(EditCopy, [this] {
        if (TabbedEditView* view = activeEditView())
            view->copy();
    });
    on(EditCut, [this] {
        if (TabbedEditView* view = activeEditView())
            view->cut();
    });
    on(EditPaste, [this] {
        if (TabbedEditView* view = activeEditView())
            view->paste();
    });
    on(EditUndo, [this] {
        if (TabbedEditView* view = activeEditView())
            view->undo();
    });
    for (const auto& [id, section] : MainWindow::ViewSectionCommands)
        on(id, [this, section = section] {
            if (auto* view = qobject_cast<JobEditView*>(activeEditView()))
                view->toggleSection(section);
            m_mainWindow->updateCommandStates();
        });
    on(ViewPayments, [this] {
        if (auto* view = qobject_cast<JobInvoiceEditView*>(activeEditView()))
            view->togglePaymentDetails();
        m_mainWindow->updateCommandStates();
    });
    // The preview's zoom, offered while the preview is the current tab.
    const std::pair<int, void (PreviewTab::*)()> zoomCommands[] = {
        {ViewZoomIn, &PreviewTab::zoomIn},
        {ViewZoomOut, &PreviewTab::zoomOut},
        {ViewZoomFit, &PreviewTab::zoomToFit}};
    for (const auto& [id, zoom] : zoomCommands)
        on(id, [this, zoom = zoom] {
            TabbedEditView* view = activeEditView();
            if (view && view->isPreviewCurrent() && view->previewTab())
                (view->previewTab()->*zoom)();
        });
    on(LogoCentre, [this] { setLogoLayout(0); });
    on(LogoLeft, [this] { setLogoLayout(1); });
    on(LogoRight, [this] { setLogoLayout(2); });
    on(Options, &Application::showOptions);
    on(BusinessInformation, &Application::showBusinessInformation);
    on(HelpContents, &Application::showHelp);
    on(AppAbout, &Application::showAbout);
}

void Application::runFirstRun()
{
    MessageHook::show(StringTable::text(IDS_FIRST_RUN).toQString(), MessageHook::Information,
                      MessageHook::Ok);
    // Runs once start-up is over, over the start page.
    QMetaObject::invokeMethod(this, &Application::showOptions, Qt::QueuedConnection);
    m_flags |= SettingKeys::FirstRunDone;
    SettingsStore::set(SettingKeys::Mode, int32_t(m_flags));
}

InstanceChannel& Application::instanceChannel()
{
    if (!m_channel) {
        m_channel = new InstanceChannel(this);
        connect(m_channel, &InstanceChannel::requestReceived, this,
                &Application::handleInstanceRequest);
    }
    return *m_channel;
}

bool Application::listenForOtherStarts()
{
    return instanceChannel().listen();
}

void Application::handleInstanceRequest(const QString& verb, const QString& path)
{
    m_pendingRequests.emplace_back(verb, path);
    servePendingRequests();
}

bool Application::windowBusy() const
{
    return QApplication::activeModalWidget() || !m_mainWindow || !m_mainWindow->isEnabled();
}

void Application::servePendingRequests()
{
    // A request that shows a message box lets later ones arrive meanwhile:
    // they queue behind it, and the loop already running takes them in turn.
    if (m_servingRequests)
        return;
    m_servingRequests = true;
    while (!m_pendingRequests.empty() && !windowBusy()) {
        const auto [verb, path] = m_pendingRequests.front();
        m_pendingRequests.pop_front();
        if (verb == QLatin1String("print")) {
            printDocumentFile(path);
            continue;
        }
        m_mainWindow->showNormal();
        m_mainWindow->showMaximized();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
        openDocumentFile(path);
    }
    m_servingRequests = false;
}

bool Application::offerCustomerRetry(QString reason, bool exiting)
{
    for (;;) {
        const QString question =
            reason + (exiting ? QStringLiteral("\n\nThe changed customers are not in the customer "
                                               "database yet. Try writing it again? (No leaves "
                                               "them out.)")
                              : QStringLiteral("\n\nTry writing the customer database "
                                               "again now?"));
        if (MessageHook::show(question, MessageHook::Warning, MessageHook::YesNo) !=
            MessageHook::AnswerYes)
            return false;
        reason.clear();
        if (m_customers.saveCustomerDatabase(&reason))
            return true;
    }
}

void Application::customerWriteFailed(const QString& reason)
{
    if (!m_customers.lastWriteFoundLockBusy() || !m_customerRetry) {
        offerCustomerRetry(reason, false);
        return;
    }
    m_mainWindow->statusBar()->showMessage(
        tr("The customer database is in use by another copy of Vorlane: the customer is kept "
           "and written as soon as it is free."));
    m_customerRetry->start();
}

void Application::retryCustomerWrite()
{
    // A modal question must not be asked from a timer while one is open.
    if (windowBusy())
        return;
    QString reason;
    if (!m_customers.hasUnwrittenChanges() || m_customers.saveCustomerDatabase(&reason)) {
        m_customerRetry->stop();
        m_mainWindow->statusBar()->showMessage(tr("The customer database is written."), 10000);
        return;
    }
    if (!m_customers.lastWriteFoundLockBusy()) {
        m_customerRetry->stop();
        offerCustomerRetry(reason, false);
    }
}

bool Application::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the window ends the program: first its documents close (a
    // document saved then stores its customer), then the customers that
    // could not be written get their last chance.
    if (watched == m_mainWindow.get() && event->type() == QEvent::Close && !m_closing) {
        m_closing = true;
        QCloseEvent close;
        QCoreApplication::sendEvent(m_mainWindow.get(), &close);
        m_closing = false;
        if (close.isAccepted() && m_customers.hasUnwrittenChanges()) {
            QString reason;
            if (!m_customers.saveCustomerDatabase(&reason))
                offerCustomerRetry(reason, true);
        }
        event->setAccepted(close.isAccepted());
        return true;
    }
    // The window is free again: carry out what arrived meanwhile, once the
    // code that closed the dialog has returned.
    if (watched == m_mainWindow.get() && !m_pendingRequests.empty() &&
        (event->type() == QEvent::WindowUnblocked || event->type() == QEvent::EnabledChange))
        QMetaObject::invokeMethod(this, &Application::servePendingRequests, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void Application::setViewFactory(int resourceId, ViewFactory factory)
{
    m_viewFactories[resourceId] = std::move(factory);
}

DocumentWindow* Application::windowFor(const QString& path) const
{
    if (!m_mainWindow)
        return nullptr;
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (DocumentWindow* frame : m_mainWindow->documentWindows()) {
        const QString open = frame->document().path();
        if (!open.isEmpty() && !wanted.isEmpty() && QFileInfo(open).canonicalFilePath() == wanted)
            return frame;
    }
    return nullptr;
}

Document* Application::openDocumentFile(const QString& path)
{
    if (DocumentWindow* open = windowFor(path)) {
        m_mainWindow->mdiArea()->setActiveSubWindow(open);
        return &open->document();
    }
    QString error;
    std::unique_ptr<Document> document = m_templates.openDocumentFile(path, &error);
    if (!document) {
        showError(error);
        m_recent->remove(path);
        return nullptr;
    }
    askToApplyVAT(*document);
    m_recent->add(path);
    return &addWindow(std::move(document))->document();
}

Document* Application::openNewDocument(DocumentKind::Id kind)
{
    return openNewDocument(DocumentKind::get(kind).resourceId);
}

Document* Application::openNewDocument(int resourceId)
{
    return openNewDocument(resourceId, {});
}

Document* Application::openNewDocument(int resourceId,
                                       const std::function<bool(Document&, QString*)>& start)
{
    DocumentTemplate* kind = m_templates.byResource(resourceId);
    if (!kind)
        return nullptr;
    std::unique_ptr<Document> document = kind->createDocument();
    QString error;
    if (!document || !(start ? start(*document, &error) : document->onNewDocument(&error))) {
        if (!error.isEmpty())
            showError(error);
        return nullptr;
    }
    return &addWindow(std::move(document))->document();
}

DocumentWindow* Application::addWindow(std::unique_ptr<Document> document)
{
    const int kind = document->documentTemplate() ? document->documentTemplate()->resourceId() : 0;
    auto* frame = new DocumentWindow(std::move(document),
                                     [this](Document& doc) { return saveDocument(doc, false); });
    if (kind == DocumentTemplates::StartPageResource) {
        auto* view = new StartPageView;
        connect(view, &StartPageView::actionRequested, this, &Application::onStartPageAction);
        frame->setView(view, view);
        frame->setUserClosable(false);
        frame->setWindowIcon(QIcon(QStringLiteral(":/art/vorlane.svg")));
    } else {
        const auto factory = m_viewFactories.find(kind);
        if (factory != m_viewFactories.end()) {
            const ViewParts parts = factory->second(frame->document());
            frame->setView(parts.widget, parts.view);
        }
        if (const DocumentKind* documentKind = DocumentKind::forResource(kind))
            frame->setWindowIcon(QIcon(
                QStringLiteral(":/art/vorlane-%1.svg").arg(QLatin1String(documentKind->name))));
    }
    m_mainWindow->addDocumentWindow(frame);
    return frame;
}

void Application::onStartPageAction(int action)
{
    switch (action) {
    case StartPageView::NewEstimate:
        openNewDocument(DocumentKind::Estimate);
        break;
    case StartPageView::NewQuote:
        openNewDocument(DocumentKind::Quote);
        break;
    case StartPageView::NewInvoice:
        openNewDocument(DocumentKind::Invoice);
        break;
    case StartPageView::OpenDocument:
        openFile();
        break;
    case StartPageView::BusinessInfo:
        showBusinessInformation();
        break;
    case StartPageView::ProgramOptions:
        showOptions();
        break;
    case StartPageView::ShowDocuments:
        showDocumentsOverview();
        break;
    case StartPageView::ShowCustomers:
        showCustomers();
        break;
    default:
        break;
    }
}

void Application::newFile()
{
    // Every kind with a file, in the order registered; the start page has none.
    QStringList names;
    std::vector<int> ids;
    for (const auto& kind : m_templates.all()) {
        const QString name = kind->newDocumentName();
        if (name.isEmpty())
            continue;
        names.append(name);
        ids.push_back(kind->resourceId());
    }
    const int chosen = m_dialogs->chooseNewKind(m_mainWindow.get(), names);
    if (chosen >= 0 && chosen < int(ids.size()))
        openNewDocument(ids[size_t(chosen)]);
}

void Application::openFile()
{
    const QString path = m_dialogs->openPath(m_mainWindow.get());
    if (path.isEmpty())
        return;
    SettingsStore::rememberDocumentFolder(path);
    openDocumentFile(path);
}

void Application::closeFile()
{
    if (DocumentWindow* frame = m_mainWindow->activeDocumentWindow())
        frame->close();
}

void Application::save()
{
    if (DocumentWindow* frame = m_mainWindow->activeDocumentWindow())
        saveDocument(frame->document(), false);
    m_mainWindow->updateCommandStates();
}

void Application::saveAs()
{
    if (DocumentWindow* frame = m_mainWindow->activeDocumentWindow())
        saveDocument(frame->document(), true);
    m_mainWindow->updateCommandStates();
}

bool Application::saveDocument(Document& document, bool askPath)
{
    auto* job = dynamic_cast<JobBaseDoc*>(&document);
    if (!job)
        return false;
    QString path = document.path();
    // Save As of an invoice or credit note: the same document in a new place,
    // or a new one with the next number, so that no two share a number.
    bool newNumber = false;
    const DocumentKind& documentKind = job->record()->kind();
    if (askPath && !path.isEmpty() && documentKind.tracksIssue) {
        const QString word = QString::fromLatin1(documentKind.title).toLower();
        const QString question =
            OMString::format(StringTable::text(IDS_SAVE_AS_NUMBER_QUESTION).c_str(),
                             word.toUtf8().constData(), job->record()->docReference.c_str(),
                             word.toUtf8().constData())
                .toQString();
        switch (MessageHook::show(question, MessageHook::Question, MessageHook::YesNoCancel,
                                  {tr("&Keep Number"), tr("&New Number"), tr("Cancel")})) {
        case MessageHook::AnswerYes:
            break;
        case MessageHook::AnswerNo:
            newNumber = true;
            break;
        default:
            return false;
        }
    }
    if (askPath || path.isEmpty()) {
        const DocumentTemplate* kind = document.documentTemplate();
        const QString ext = kind ? kind->extension() : QString();
        // A first save proposes the documents folder; Save As the folder last used.
        const QString name = newNumber
                                 ? QFileInfo(path).completeBaseName() + tr(" (new)") + u'.' + ext
                                 : QFileInfo(path).fileName();
        const QString suggested =
            path.isEmpty()
                ? QDir(SettingsStore::documentsFolder()).filePath(document.title() + u'.' + ext)
                : QDir(SettingsStore::lastDocumentFolder()).filePath(name);
        path = m_dialogs->savePath(m_mainWindow.get(),
                                   kind && kind->kind() ? kind->kind()->filter() : QString(),
                                   suggested);
        if (path.isEmpty())
            return false;
    }
    if (newNumber &&
        QFileInfo(path).absoluteFilePath() == QFileInfo(document.path()).absoluteFilePath()) {
        showError(tr("A %1 with the next number must go to another file: %2 stays %3 %4.")
                      .arg(QString::fromLatin1(documentKind.title).toLower(),
                           QDir::toNativeSeparators(path), QLatin1String(documentKind.title),
                           job->record()->docReference.toQString()));
        return false;
    }
    QString error;
    const bool saved = newNumber                              ? job->saveAsNew(path, &error)
                       : askPath || document.path().isEmpty() ? job->saveAs(path, &error)
                                                              : job->save(&error);
    // A view that refused a field has said why already.
    if (!saved && !error.isEmpty())
        showError(error);
    if (saved) {
        if (!job->saveWarning().isEmpty())
            customerWriteFailed(job->saveWarning());
        m_recent->add(path);
        SettingsStore::rememberDocumentFolder(path);
        if (DocumentsOverview* overview = documentsOverview())
            overview->refreshFile(path);
    }
    return saved;
}

void Application::printSetup()
{
    PrintSetup::run(m_mainWindow.get());
}

TabbedEditView* Application::activeEditView() const
{
    DocumentWindow* frame = m_mainWindow ? m_mainWindow->activeDocumentWindow() : nullptr;
    return frame ? qobject_cast<TabbedEditView*>(frame->viewWidget()) : nullptr;
}

void Application::importFile()
{
    TabbedEditView* view = activeEditView();
    auto* document = view ? dynamic_cast<JobBaseDoc*>(view->document()) : nullptr;
    const DocumentKind* kind = document ? &document->record()->kind() : nullptr;
    if (!kind || !kind->offers(DocumentKind::ImportCommand))
        return;
    const QString filter = FileFilter::importFilter(*kind);
    QString imported;
    if (auto* invoice = qobject_cast<JobInvoiceEditView*>(view)) {
        // Importing replaces lines: an issued invoice asks first.
        if (!invoice->mayChangeIssued())
            return;
        const QString path = m_dialogs->importPath(m_mainWindow.get(), filter);
        // The choice made last time is offered again.
        InvoiceImport::Options options;
        options.materialsAsOneLine = SettingsStore::isSet(SettingKeys::ImportMaterialsAsOneLine);
        options.hireAsOneLine = SettingsStore::isSet(SettingKeys::ImportHireAsOneLine);
        if (path.isEmpty() || !m_dialogs->importOptions(m_mainWindow.get(), options))
            return;
        // New Invoice from This imports the same way without asking.
        SettingsStore::set(SettingKeys::ImportMaterialsAsOneLine, options.materialsAsOneLine);
        SettingsStore::set(SettingKeys::ImportHireAsOneLine, options.hireAsOneLine);
        SettingsStore::rememberDocumentFolder(path);
        invoice->importFile(path, options, &imported);
    } else if (auto* quote = qobject_cast<JobQuoteEditView*>(view)) {
        const QString path = m_dialogs->importPath(m_mainWindow.get(), filter);
        if (!path.isEmpty()) {
            SettingsStore::rememberDocumentFolder(path);
            quote->importEstimate(path, &imported);
        }
    }
    // An import changes what is on screen without a word: say what came in.
    if (!imported.isEmpty())
        m_mainWindow->statusBar()->showMessage(tr("Imported %1").arg(imported), 10000);
    m_mainWindow->updateCommandStates();
}

void Application::setMailLauncher(std::unique_ptr<MailLauncher> launcher)
{
    m_mail = std::move(launcher);
    m_actions->action(FileSendMail)->setVisible(m_mail->available());
}

void Application::exportPdf()
{
    DocumentWindow* frame = m_mainWindow->activeDocumentWindow();
    auto* document = frame ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
    if (TabbedEditView* view = activeEditView(); view && document)
        if (ExportCommands(*m_dialogs, *m_mail).exportPdf(m_mainWindow.get(), *view, *document))
            recordIssue(*document);
}

void Application::exportEInvoice()
{
    DocumentWindow* frame = m_mainWindow->activeDocumentWindow();
    auto* document = frame ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
    if (TabbedEditView* view = activeEditView(); view && document)
        if (ExportCommands(*m_dialogs, *m_mail)
                .exportEInvoice(m_mainWindow.get(), *view, *document))
            recordIssue(*document);
}

void Application::sendByEmail()
{
    DocumentWindow* frame = m_mainWindow->activeDocumentWindow();
    auto* document = frame ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
    if (TabbedEditView* view = activeEditView(); view && document && m_mail->available())
        if (ExportCommands(*m_dialogs, *m_mail).sendByEmail(*view, *document))
            recordIssue(*document);
}

void Application::recordIssue(JobBaseDoc& document)
{
    QString error;
    if (!document.markIssued(&error) && !error.isEmpty())
        showWarning(tr("%1 was issued, but that could not be recorded in its file.\n\n%2")
                        .arg(document.displayName(), error));
    if (m_mainWindow)
        m_mainWindow->updateCommandStates();
}

JobBaseDoc* Application::activeJobDocument() const
{
    DocumentWindow* frame = m_mainWindow ? m_mainWindow->activeDocumentWindow() : nullptr;
    return frame ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
}

bool Application::sendReminder()
{
    auto* document = dynamic_cast<JobInvoiceDoc*>(activeJobDocument());
    TabbedEditView* view = activeEditView();
    if (!document || !view || !document->record()->kind().offers(DocumentKind::ReminderCommand))
        return false;
    // The invoice as on screen.
    view->updateData(true);
    // What the invoice's credit notes take off, as the overview nets them;
    // found by reading them when the overview is closed or lacks the invoice.
    ombrel::OMMoney credited;
    int row = -1;
    if (DocumentsOverview* overview = documentsOverview())
        if (row = overview->model().ledger().indexOf(document->path()); row >= 0)
            credited = overview->model().ledger().row(row).credited;
    if (row < 0) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const DocumentsOverview::Setup setup = DocumentsOverview::currentSetup();
        credited =
            InvoiceCredits::scan(document->path(), document->invoice().docReference.toQString(),
                                 setup.paths, setup.inputs, setup.indexFile);
        QGuiApplication::restoreOverrideCursor();
    }
    const bool sent = PaymentCommands(*m_dialogs, *m_mail, m_styles)
                          .sendReminder(m_mainWindow.get(), *document, view->vatFlag(), credited);
    if (sent && !document->isModified())
        if (DocumentsOverview* overview = documentsOverview())
            overview->refreshFile(document->path());
    m_mainWindow->updateCommandStates();
    return sent;
}

bool Application::showStatement(uint32_t customerNumber, const QString& customer)
{
    std::vector<LedgerEntry> entries;
    if (DocumentsOverview* overview = documentsOverview()) {
        for (const Ledger::Row& row : overview->model().ledger().rows())
            entries.push_back(row.entry);
    } else {
        const DocumentsOverview::Setup setup = DocumentsOverview::currentSetup();
        entries = DocumentScanner::scan(DocumentScanner::documentFiles(setup.paths), setup.inputs);
    }
    StatementCommand::countUnderKeptCustomers(entries, m_customers);
    const uint32_t kept = m_customers.currentNumber(customerNumber);
    QString recipient;
    if (const Customer* held = m_customers.customer(kept))
        recipient = held->email.toQString();
    return PaymentCommands(*m_dialogs, *m_mail, m_styles)
        .showStatement(m_mainWindow.get(), entries, kept, customer, recipient);
}

bool Application::importCustomers()
{
    return CustomerImportDialog::run(
        m_mainWindow.get(), m_customers, *m_dialogs,
        [this](const QString& reason) { customerWriteFailed(reason); });
}

bool Application::exportCustomers()
{
    return CustomerExportDialog::run(m_mainWindow.get(), m_customers);
}

Document* Application::newCreditNoteFromThis()
{
    JobBaseDoc* document = activeJobDocument();
    TabbedEditView* view = activeEditView();
    if (!document || !view ||
        !document->record()->kind().offers(DocumentKind::NewCreditNoteCommand))
        return nullptr;
    // The invoice as on screen; it keeps its file and its changes.
    view->updateData(true);
    const auto& invoice = static_cast<const JobInvoice&>(*document->record());
    std::vector<JobCreditNote::Choice> choices;
    if (!m_dialogs->creditChoices(m_mainWindow.get(), invoice, choices))
        return nullptr;
    Document* note =
        openNewDocument(DocumentKind::get(DocumentKind::CreditNote).resourceId,
                        [&](Document& made, QString* error) {
                            auto& job = static_cast<JobBaseDoc&>(made);
                            if (!job.onNewDocument(error))
                                return false;
                            static_cast<JobCreditNote&>(*job.record()).credit(invoice, choices);
                            return true;
                        });
    m_mainWindow->updateCommandStates();
    return note;
}

Document* Application::duplicate()
{
    JobBaseDoc* document = activeJobDocument();
    TabbedEditView* view = activeEditView();
    if (!document || !view)
        return nullptr;
    view->updateData(true);
    const JobBase& source = *document->record();
    Document* copy = openNewDocument(source.kind().resourceId, [&](Document& made, QString* error) {
        return static_cast<JobBaseDoc&>(made).onNewCopy(source, error);
    });
    m_mainWindow->updateCommandStates();
    return copy;
}

Document* Application::newInvoiceFromThis()
{
    DocumentWindow* frame = m_mainWindow->activeDocumentWindow();
    auto* view = frame ? qobject_cast<JobEditView*>(frame->viewWidget()) : nullptr;
    if (!view)
        return nullptr;
    // What is on screen, saved or not, is taken from the record as it
    // stands; the estimate or quote keeps its path, its file and its changes.
    view->updateData(true);
    Document* invoice = openNewDocument(DocumentKind::Invoice);
    JobInvoiceEditView* invoiceView = nullptr;
    for (DocumentView* candidate : invoice ? invoice->views() : std::vector<DocumentView*>())
        if (!invoiceView)
            invoiceView = dynamic_cast<JobInvoiceEditView*>(candidate);
    if (!invoiceView)
        return invoice;
    InvoiceImport::Options options;
    options.materialsAsOneLine = SettingsStore::isSet(SettingKeys::ImportMaterialsAsOneLine);
    options.hireAsOneLine = SettingsStore::isSet(SettingKeys::ImportHireAsOneLine);
    invoiceView->importRecord(view->job(), options);
    m_mainWindow->updateCommandStates();
    return invoice;
}

void Application::print()
{
    TabbedEditView* view = activeEditView();
    if (view && view->print())
        if (auto* document = dynamic_cast<JobBaseDoc*>(view->document()))
            recordIssue(*document);
}

void Application::printPreview()
{
    TabbedEditView* view = activeEditView();
    if (view && view->printPreview())
        if (auto* document = dynamic_cast<JobBaseDoc*>(view->document()))
            recordIssue(*document);
}

bool Application::printDocumentFile(const QString& path)
{
    // Printing from the shell runs without the rest of start-up, so the
    // document kinds and the styles may not be there yet.
    if (m_templates.all().empty()) {
        registerTemplates();
        loadTextStyles();
    }
    if (!QFileInfo(path).isFile() || !m_templates.forPath(path)) {
        showError(invalidFileText(path));
        return false;
    }
    if (QPrinterInfo::defaultPrinter().isNull()) {
        showError(StringTable::text(IDS_NO_DEFAULT_PRINTER).toQString().arg(path));
        return false;
    }
    QString error;
    std::unique_ptr<Document> document = m_templates.openDocumentFile(path, &error);
    if (!document) {
        showError(error);
        return false;
    }
    askToApplyVAT(*document);
    const auto factory = m_viewFactories.find(document->documentTemplate()->resourceId());
    if (factory == m_viewFactories.end())
        return false;
    // The view its window would have, never shown, composes the page as on screen.
    const ViewParts parts = factory->second(*document);
    const std::unique_ptr<QWidget> widget(parts.widget);
    auto* view = qobject_cast<TabbedEditView*>(parts.widget);
    PreviewTab* preview = view ? view->previewTab() : nullptr;
    if (!preview)
        return false;
    parts.view->onInitialUpdate();
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(path);
    preview->printAll(printer);
    if (auto* job = dynamic_cast<JobBaseDoc*>(document.get())) {
        // Printed from the shell, the file records the issue at once.
        QString issueError;
        if (!job->markIssued(&issueError) && !issueError.isEmpty())
            showWarning(issueError);
    }
    return true;
}

void Application::updateAllViews(DocumentView* sender, UpdateHint hint)
{
    m_templates.updateAllDocumentViews(sender, hint);
}

void Application::setLogoLayout(int layout)
{
    SettingsStore::set(SettingKeys::LogoLayout, layout);
    updateAllViews(nullptr, SettingsChanged);
    if (m_mainWindow)
        m_mainWindow->updateCommandStates();
}

void Application::showOptions()
{
    emit optionsRequested();
    OptionsDialog sheet(
        m_styles, [this] { updateAllViews(nullptr, SettingsChanged); }, m_mainWindow.get());
    m_dialogs->runSettingsDialog(sheet);
    // The folders listed may have changed on the Miscellaneous page.
    if (DocumentsOverview* overview = documentsOverview())
        overview->reloadFolders();
}

void Application::showBusinessInformation()
{
    emit businessInformationRequested();
    BusinessWizard wizard([this] { updateAllViews(nullptr, SettingsChanged); }, m_mainWindow.get());
    m_dialogs->runSettingsDialog(wizard);
}

void Application::showHelp()
{
    const QString help = HelpLauncher::findHelpFile(m_programFolder);
    if (help.isEmpty()) {
        MessageHook::show(StringTable::text(IDS_HELP_MISSING).toQString(), MessageHook::Information,
                          MessageHook::Ok);
        return;
    }
    // The program's own window: always there, quick and searchable, whether
    // or not the desktop has a viewer (its Open in Browser hands it over).
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(help, m_mainWindow.get());
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void Application::showAbout()
{
    AboutDialog dialog(HelpLauncher::findHelpFile(m_programFolder), m_mainWindow.get());
    connect(&dialog, &AboutDialog::helpRequested, this, &Application::showHelp);
    dialog.exec();
}

DocumentsOverview* Application::documentsOverview() const
{
    return m_overviewWindow ? qobject_cast<DocumentsOverview*>(m_overviewWindow->widget())
                            : nullptr;
}

DocumentsOverview* Application::showDocumentsOverview()
{
    if (DocumentsOverview* overview = documentsOverview()) {
        m_mainWindow->mdiArea()->setActiveSubWindow(m_overviewWindow);
        return overview;
    }
    auto* overview = new DocumentsOverview(DocumentsOverview::currentSetup());
    // Each command opens the document first and then acts on it, as the
    // window's own command would on the active document.
    const auto thenActive = [this](void (Application::*command)()) {
        return [this, command](const QString& path) {
            if (openDocumentFile(path))
                (this->*command)();
        };
    };
    connect(overview, &DocumentsOverview::openRequested, this,
            [this](const QString& path) { openDocumentFile(path); });
    connect(overview, &DocumentsOverview::exportPdfRequested, this,
            thenActive(&Application::exportPdf));
    connect(overview, &DocumentsOverview::sendRequested, this,
            thenActive(&Application::sendByEmail));
    connect(overview, &DocumentsOverview::newInvoiceRequested, this, [this](const QString& path) {
        if (openDocumentFile(path))
            newInvoiceFromThis();
    });
    connect(overview, &DocumentsOverview::reminderRequested, this, [this](const QString& path) {
        if (openDocumentFile(path))
            sendReminder();
    });
    connect(overview, &DocumentsOverview::statementRequested, this,
            [this](uint32_t number, const QString& customer) { showStatement(number, customer); });
    connect(overview, &DocumentsOverview::showFolderRequested, this,
            [this](const QString& folder) { m_mail->showFolder(folder); });
    m_overviewWindow = m_mainWindow->mdiArea()->addSubWindow(overview);
    m_overviewWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_overviewWindow->setWindowIcon(QIcon(QStringLiteral(":/art/tb-documents.svg")));
    m_overviewWindow->resize(m_mainWindow->mdiArea()->size() * 0.9);
    m_overviewWindow->show();
    m_mainWindow->mdiArea()->setActiveSubWindow(m_overviewWindow);
    overview->startScan();
    return overview;
}

CustomersWindow* Application::customersWindow() const
{
    return m_customersWindow ? qobject_cast<CustomersWindow*>(m_customersWindow->widget())
                             : nullptr;
}

CustomersWindow* Application::showCustomers()
{
    if (CustomersWindow* window = customersWindow()) {
        m_mainWindow->mdiArea()->setActiveSubWindow(m_customersWindow);
        return window;
    }
    // Each customer's documents and balance are the overview's rows.
    DocumentsOverview* overview = documentsOverview();
    if (!overview)
        overview = showDocumentsOverview();
    auto* window = new CustomersWindow(m_customers);
    window->setLedgerModel(&overview->model());
    window->setInUseCheck([this](uint32_t number) { return documentHoldingCustomer(number); });
    connect(window, &CustomersWindow::openRequested, this,
            [this](const QString& path) { openDocumentFile(path); });
    connect(window, &CustomersWindow::reminderRequested, this, [this](const QString& path) {
        if (openDocumentFile(path))
            sendReminder();
    });
    connect(window, &CustomersWindow::statementRequested, this,
            [this](uint32_t number, const QString& customer) { showStatement(number, customer); });
    connect(window, &CustomersWindow::importRequested, this, [this, window] {
        if (importCustomers())
            window->refresh(false);
    });
    connect(window, &CustomersWindow::exportRequested, this, &Application::exportCustomers);
    connect(window, &CustomersWindow::writeFailed, this, &Application::customerWriteFailed);
    connect(window, &CustomersWindow::ledgerWanted, this, [this, window] {
        DocumentsOverview* shown = showDocumentsOverview();
        window->setLedgerModel(&shown->model());
        m_mainWindow->mdiArea()->setActiveSubWindow(m_customersWindow);
    });
    m_customersWindow = m_mainWindow->mdiArea()->addSubWindow(window);
    m_customersWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_customersWindow->setWindowIcon(QIcon(QStringLiteral(":/art/tb-customers.svg")));
    m_customersWindow->resize(m_mainWindow->mdiArea()->size() * 0.9);
    m_customersWindow->show();
    m_mainWindow->mdiArea()->setActiveSubWindow(m_customersWindow);
    // Coming back to the window shows what was changed meanwhile, here or
    // by another copy.
    connect(m_mainWindow->mdiArea(), &QMdiArea::subWindowActivated, window,
            [this, window](QMdiSubWindow* activated) {
                if (activated && activated == m_customersWindow)
                    window->refresh(false);
            });
    return window;
}

QString Application::documentHoldingCustomer(uint32_t number) const
{
    if (!m_mainWindow || number == 0)
        return {};
    for (DocumentWindow* frame : m_mainWindow->documentWindows()) {
        const auto* job = dynamic_cast<const JobBaseDoc*>(&frame->document());
        if (!job)
            continue;
        // The customer on the Customer Details tab, chosen there since the
        // last pass into the record, counts as well.
        std::vector<uint32_t> held{job->record()->customer.custno};
        if (frame->viewWidget())
            if (const auto* tab = frame->viewWidget()->findChild<const CustomerTab*>())
                held.push_back(tab->fields.custno);
        for (const uint32_t custno : held)
            if (custno != 0 && m_customers.currentNumber(custno) == number)
                return frame->document().title();
    }
    return {};
}
