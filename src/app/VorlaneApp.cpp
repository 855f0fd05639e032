#include "VorlaneApp.h"

#include "AboutDialog.h"
#include "BusinessWizard.h"
#include "CChildFrame.h"
#include "CMainFrame.h"
#include "CommandActions.h"
#include "CommandDialogs.h"
#include "CommandIds.h"
#include "CommandLine.h"
#include "ExportCommands.h"
#include "HelpLauncher.h"
#include "HelpWindow.h"
#include "InstanceChannel.h"
#include "MailLauncher.h"
#include "MenuBarBuilder.h"
#include "OptionsWizard.h"
#include "RecentFileList.h"
#include "SplashScreen.h"
#include "StartPageDoc.h"
#include "StartPageView.h"
#include "documents/Document.h"
#include "documents/JobBaseDoc.h"
#include "documents/JobEstimateDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "documents/JobQuoteDoc.h"
#include "documents/UpdateHint.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobBase.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"
#include "views/EditTabPreview.h"
#include "views/JobEditView.h"
#include "views/JobEstimateEditView.h"
#include "views/JobInvoiceEditView.h"
#include "views/JobQuoteEditView.h"
#include "views/MessageHook.h"
#include "views/PrintSetup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>

using namespace CommandIds;
using ombrel::OMString;

namespace {

void showError(const QString& text)
{
    MessageHook::show(OMString::fromQString(text), MessageHook::Error, MessageHook::Ok);
}

void showWarning(const QString& text)
{
    MessageHook::show(OMString::fromQString(text), MessageHook::Warning, MessageHook::Ok);
}

/// A document saved before VAT registration: asks whether to apply VAT now.
void askToApplyVAT(Document& document)
{
    auto* job = dynamic_cast<JobBaseDoc*>(&document);
    if (job && job->needsVATQuestion() &&
        MessageHook::show(OMString::fromQString(JobBaseDoc::vatQuestion()), MessageHook::Question,
                          MessageHook::YesNo) == MessageHook::AnswerYes)
        job->applyStandardVAT();
}

QString invalidFileText(const QString& path)
{
    return StringTable::text(IDS_FILE_INVALID).toQString().arg(path);
}

} // namespace

VorlaneApp::VorlaneApp(std::unique_ptr<CommandDialogs> dialogs, QObject* parent)
    : QObject(parent), m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<CommandDialogs>()),
      m_mail(std::make_unique<MailLauncher>()), m_actions(new CommandActions(this)),
      m_recent(new RecentFileList(this)), m_programFolder(QCoreApplication::applicationDirPath())
{
    m_actions->action(FileSendMail)->setVisible(m_mail->available());
    m_viewFactories[DocumentTemplates::EstimateResource] = [this](Document& document) {
        auto* view = new JobEstimateEditView(static_cast<JobEstimateDoc*>(&document), m_styles);
        return ViewParts{view, view};
    };
    m_viewFactories[DocumentTemplates::QuoteResource] = [this](Document& document) {
        auto* view = new JobQuoteEditView(static_cast<JobQuoteDoc*>(&document), m_styles);
        return ViewParts{view, view};
    };
    m_viewFactories[DocumentTemplates::InvoiceResource] = [this](Document& document) {
        auto* view = new JobInvoiceEditView(static_cast<JobInvoiceDoc*>(&document), m_styles);
        return ViewParts{view, view};
    };
}

VorlaneApp::~VorlaneApp()
{
    // Windows go before the document kinds their documents belong to.
    m_mainFrame.reset();
}

bool VorlaneApp::InitInstance(const CommandLine& commandLine)
{
    m_flags = uint32_t(SettingsStore::get(SettingKeys::Mode));
    if (SettingsStore::isSet(SettingKeys::Splash))
        SplashScreen::showFor();

    registerTemplates();
    LoadTextStyles();
    LoadCustomerDatabase();
    createMainFrame();
    // Later starts hand their files over from now on, even while this one
    // still asks its first-run question. A run that only shows itself and
    // quits takes none.
    if (!commandLine.quitAfterShow)
        listenForOtherStarts();

    // The window comes first, so that a question a document asks on opening
    // (whether to apply VAT) stands over it rather than over an empty screen.
    // Without a window manager to honour "maximised", fill the screen anyway.
    if (QScreen* screen = m_mainFrame->screen())
        m_mainFrame->setGeometry(screen->availableGeometry());
    m_mainFrame->showMaximized();
    m_mainFrame->activateWindow();
    m_mainFrame->repaint();

    bool ok = true;
    for (const QString& path : commandLine.files)
        ok = OpenDocumentFile(path) != nullptr && ok;
    if (!ok) {
        m_mainFrame->hide();
        return false;
    }
    const bool openStartPage = commandLine.files.isEmpty();

    if (!(m_flags & SettingKeys::FirstRunDone))
        runFirstRun();
    if (openStartPage)
        OpenNewDocument(DocumentTemplates::StartPageResource);
    // A document named on the command line is the one the user wants to see.
    if (!commandLine.files.isEmpty())
        if (CChildFrame* frame = frameOf(commandLine.files.constLast()))
            m_mainFrame->mdiArea()->setActiveSubWindow(frame);
    emit started();
    // Requests that came while start-up was busy.
    QMetaObject::invokeMethod(this, &VorlaneApp::servePendingRequests, Qt::QueuedConnection);
    return true;
}

void VorlaneApp::registerTemplates()
{
    m_templates.registerJobTemplates(&m_customers);
    m_templates.add(
        std::make_unique<DocumentTemplate>(DocumentTemplates::StartPageResource, QString(),
                                           [] { return std::make_unique<StartPageDoc>(); }));
}

void VorlaneApp::LoadTextStyles()
{
    m_styles.LoadStyles();
}

void VorlaneApp::LoadCustomerDatabase()
{
    QString error;
    if (!m_customers.LoadCustomerDatabase(&error))
        showWarning(error);
}

void VorlaneApp::createMainFrame()
{
    m_mainFrame = std::make_unique<CMainFrame>(*m_actions, *m_recent);
    m_mainFrame->installEventFilter(this);
    connectCommands();
    connect(m_mainFrame.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            OpenDocumentFile(path);
    });
    connect(m_mainFrame.get(), &CMainFrame::recentFileChosen, this,
            [this](const QString& path) { OpenDocumentFile(path); });
}

void VorlaneApp::connectCommands()
{
    auto on = [this](int id, auto slot) {
        connect(m_actions->action(id), &QAction::triggered, this, slot);
    };
    on(FileNewEstimate, [this] { OpenNewDocument(DocumentTemplates::EstimateResource); });
    on(FileNewQuote, [this] { OpenNewDocument(DocumentTemplates::QuoteResource); });
    on(FileNewInvoice, [this] { OpenNewDocument(DocumentTemplates::InvoiceResource); });
    on(FileNew, &VorlaneApp::OnFileNew);
    on(FileOpen, &VorlaneApp::OnFileOpen);
    on(FileClose, &VorlaneApp::OnFileClose);
    on(FileSave, &VorlaneApp::OnFileSave);
    on(FileSaveAs, &VorlaneApp::OnFileSaveAs);
    on(FilePrintSetup, &VorlaneApp::OnFilePrintSetup);
    on(FilePrint, &VorlaneApp::OnFilePrint);
    on(FilePrintPreview, &VorlaneApp::OnFilePrintPreview);
    on(FileImport, &VorlaneApp::OnFileImport);
    on(FileExportPdf, &VorlaneApp::OnFileExportPdf);
    on(FileSendMail, &VorlaneApp::OnFileSendMail);
    on(FileNewInvoiceFromThis, &VorlaneApp::OnFileNewInvoiceFromThis);
    on(ViewNextTab, [this] {
        if (TabbedEditView* view = activeEditView())
            view->OnNextTab();
    });
    on(ViewPreviousTab, [this] {
        if (TabbedEditView* view = activeEditView())
            view->OnPrevTab();
    });
    on(EditCopy, [this] {
        if (TabbedEditView* view = activeEditView())
            view->OnEditCopy();
    });
    on(EditCut, [this] {
        if (TabbedEditView* view = activeEditView())
            view->OnEditCut();
    });
    on(EditPaste, [this] {
        if (TabbedEditView* view = activeEditView())
            view->OnEditPaste();
    });
    on(EditUndo, [this] {
        if (TabbedEditView* view = activeEditView())
            view->OnEditUndo();
    });
    for (const auto& [id, section] : CMainFrame::ViewSectionCommands)
        on(id, [this, section = section] {
            if (auto* view = qobject_cast<JobEditView*>(activeEditView()))
                view->toggleSection(section);
            m_mainFrame->updateCommandStates();
        });
    on(ViewPayments, [this] {
        if (auto* view = qobject_cast<JobInvoiceEditView*>(activeEditView()))
            view->togglePaymentDetails();
        m_mainFrame->updateCommandStates();
    });
    // The preview's zoom, offered while the preview is the current tab.
    const std::pair<int, void (EditTabPreview::*)()> zoomCommands[] = {
        {ViewZoomIn, &EditTabPreview::zoomIn},
        {ViewZoomOut, &EditTabPreview::zoomOut},
        {ViewZoomFit, &EditTabPreview::zoomToFit}};
    for (const auto& [id, zoom] : zoomCommands)
        on(id, [this, zoom = zoom] {
            TabbedEditView* view = activeEditView();
            if (view && view->isPreviewCurrent() && view->previewTab())
                (view->previewTab()->*zoom)();
        });
    on(LogoCentre, [this] { OnLogoLayout(0); });
    on(LogoLeft, [this] { OnLogoLayout(1); });
    on(LogoRight, [this] { OnLogoLayout(2); });
    on(Options, &VorlaneApp::OnOptions);
    on(BusinessInformation, &VorlaneApp::OnBusinessInformation);
    on(HelpContents, &VorlaneApp::OnHelp);
    on(AppAbout, &VorlaneApp::OnAbout);
}

void VorlaneApp::runFirstRun()
{
    MessageHook::show(StringTable::text(IDS_FIRST_RUN), MessageHook::Information, MessageHook::Ok);
    // Runs once start-up is over, over the start page.
    QMetaObject::invokeMethod(this, &VorlaneApp::OnOptions, Qt::QueuedConnection);
    m_flags |= SettingKeys::FirstRunDone;
    SettingsStore::set(SettingKeys::Mode, int32_t(m_flags));
}

InstanceChannel& VorlaneApp::instanceChannel()
{
    if (!m_channel) {
        m_channel = new InstanceChannel(this);
        connect(m_channel, &InstanceChannel::requestReceived, this,
                &VorlaneApp::handleInstanceRequest);
    }
    return *m_channel;
}

bool VorlaneApp::listenForOtherStarts()
{
    return instanceChannel().listen();
}

void VorlaneApp::handleInstanceRequest(const QString& verb, const QString& path)
{
    m_pendingRequests.emplace_back(verb, path);
    servePendingRequests();
}

bool VorlaneApp::windowBusy() const
{
    return QApplication::activeModalWidget() || !m_mainFrame || !m_mainFrame->isEnabled();
}

void VorlaneApp::servePendingRequests()
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
            PrintDocumentFile(path);
            continue;
        }
        m_mainFrame->showNormal();
        m_mainFrame->showMaximized();
        m_mainFrame->raise();
        m_mainFrame->activateWindow();
        OpenDocumentFile(path);
    }
    m_servingRequests = false;
}

bool VorlaneApp::eventFilter(QObject* watched, QEvent* event)
{
    // The window is free again: carry out what arrived meanwhile, once the
    // code that closed the dialog has returned.
    if (watched == m_mainFrame.get() && !m_pendingRequests.empty() &&
        (event->type() == QEvent::WindowUnblocked || event->type() == QEvent::EnabledChange))
        QMetaObject::invokeMethod(this, &VorlaneApp::servePendingRequests, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void VorlaneApp::setViewFactory(int resourceId, ViewFactory factory)
{
    m_viewFactories[resourceId] = std::move(factory);
}

CChildFrame* VorlaneApp::frameOf(const QString& path) const
{
    if (!m_mainFrame)
        return nullptr;
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (CChildFrame* frame : m_mainFrame->childFrames()) {
        const QString open = frame->document().path();
        if (!open.isEmpty() && !wanted.isEmpty() && QFileInfo(open).canonicalFilePath() == wanted)
            return frame;
    }
    return nullptr;
}

Document* VorlaneApp::OpenDocumentFile(const QString& path)
{
    if (CChildFrame* open = frameOf(path)) {
        m_mainFrame->mdiArea()->setActiveSubWindow(open);
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
    return &addFrame(std::move(document))->document();
}

Document* VorlaneApp::OpenNewDocument(int resourceId)
{
    DocumentTemplate* kind = m_templates.byResource(resourceId);
    if (!kind)
        return nullptr;
    std::unique_ptr<Document> document = kind->createDocument();
    QString error;
    if (!document || !document->OnNewDocument(&error)) {
        if (!error.isEmpty())
            showError(error);
        return nullptr;
    }
    return &addFrame(std::move(document))->document();
}

CChildFrame* VorlaneApp::addFrame(std::unique_ptr<Document> document)
{
    const int kind = document->documentTemplate() ? document->documentTemplate()->resourceId() : 0;
    auto* frame = new CChildFrame(std::move(document),
                                  [this](Document& doc) { return SaveDocument(doc, false); });
    if (kind == DocumentTemplates::StartPageResource) {
        auto* view = new StartPageView;
        connect(view, &StartPageView::actionRequested, this, &VorlaneApp::onStartPageAction);
        frame->setView(view, view);
        frame->setUserClosable(false);
        frame->setWindowIcon(QIcon(QStringLiteral(":/art/vorlane.svg")));
    } else {
        const auto factory = m_viewFactories.find(kind);
        if (factory != m_viewFactories.end()) {
            const ViewParts parts = factory->second(frame->document());
            frame->setView(parts.widget, parts.view);
        }
        static const std::map<int, QString> icons = {
            {DocumentTemplates::EstimateResource, QStringLiteral(":/art/vorlane-estimate.svg")},
            {DocumentTemplates::InvoiceResource, QStringLiteral(":/art/vorlane-invoice.svg")},
            {DocumentTemplates::QuoteResource, QStringLiteral(":/art/vorlane-quote.svg")},
        };
        if (const auto icon = icons.find(kind); icon != icons.end())
            frame->setWindowIcon(QIcon(icon->second));
    }
    m_mainFrame->addChildFrame(frame);
    return frame;
}

void VorlaneApp::onStartPageAction(int action)
{
    switch (action) {
    case StartPageView::NewEstimate:
        OpenNewDocument(DocumentTemplates::EstimateResource);
        break;
    case StartPageView::NewQuote:
        OpenNewDocument(DocumentTemplates::QuoteResource);
        break;
    case StartPageView::NewInvoice:
        OpenNewDocument(DocumentTemplates::InvoiceResource);
        break;
    case StartPageView::OpenDocument:
        OnFileOpen();
        break;
    case StartPageView::BusinessInfo:
        OnBusinessInformation();
        break;
    case StartPageView::ProgramOptions:
        OnOptions();
        break;
    default:
        break;
    }
}

void VorlaneApp::OnFileNew()
{
    // Every kind with a file, in the order registered; the start page has none.
    QStringList names;
    std::vector<int> ids;
    for (const auto& kind : m_templates.all()) {
        const QString name = kind->docString(DocumentTemplate::FileNewName);
        if (name.isEmpty())
            continue;
        names.append(name);
        ids.push_back(kind->resourceId());
    }
    const int chosen = m_dialogs->chooseNewKind(m_mainFrame.get(), names);
    if (chosen >= 0 && chosen < int(ids.size()))
        OpenNewDocument(ids[size_t(chosen)]);
}

void VorlaneApp::OnFileOpen()
{
    const QString path = m_dialogs->openPath(m_mainFrame.get());
    if (path.isEmpty())
        return;
    SettingsStore::RememberDocumentFolder(path);
    OpenDocumentFile(path);
}

void VorlaneApp::OnFileClose()
{
    if (CChildFrame* frame = m_mainFrame->activeChildFrame())
        frame->close();
}

void VorlaneApp::OnFileSave()
{
    if (CChildFrame* frame = m_mainFrame->activeChildFrame())
        SaveDocument(frame->document(), false);
    m_mainFrame->updateCommandStates();
}

void VorlaneApp::OnFileSaveAs()
{
    if (CChildFrame* frame = m_mainFrame->activeChildFrame())
        SaveDocument(frame->document(), true);
    m_mainFrame->updateCommandStates();
}

bool VorlaneApp::SaveDocument(Document& document, bool askPath)
{
    auto* job = dynamic_cast<JobBaseDoc*>(&document);
    if (!job)
        return false;
    QString path = document.path();
    if (askPath || path.isEmpty()) {
        const DocumentTemplate* kind = document.documentTemplate();
        const QString ext = kind ? kind->extension() : QString();
        // A first save proposes the documents folder; Save As the folder last used.
        const QString suggested =
            path.isEmpty()
                ? QDir(SettingsStore::GetDocumentsFolder()).filePath(document.title() + u'.' + ext)
                : QDir(SettingsStore::GetLastDocumentFolder()).filePath(QFileInfo(path).fileName());
        path = m_dialogs->savePath(m_mainFrame.get(),
                                   kind ? kind->docString(DocumentTemplate::FilterName) : QString(),
                                   suggested);
        if (path.isEmpty())
            return false;
    }
    QString error;
    const bool saved = askPath || document.path().isEmpty() ? job->FileSaveAs(path, &error)
                                                            : job->FileSave(&error);
    // A view that refused a field has said why already.
    if (!saved && !error.isEmpty())
        showError(error);
    if (saved) {
        if (!job->saveWarning().isEmpty())
            showWarning(job->saveWarning());
        m_recent->add(path);
        SettingsStore::RememberDocumentFolder(path);
    }
    return saved;
}

void VorlaneApp::OnFilePrintSetup()
{
    PrintSetup::run(m_mainFrame.get());
}

TabbedEditView* VorlaneApp::activeEditView() const
{
    CChildFrame* frame = m_mainFrame ? m_mainFrame->activeChildFrame() : nullptr;
    return frame ? qobject_cast<TabbedEditView*>(frame->viewWidget()) : nullptr;
}

void VorlaneApp::OnFileImport()
{
    TabbedEditView* view = activeEditView();
    if (auto* invoice = qobject_cast<JobInvoiceEditView*>(view)) {
        const QString path =
            m_dialogs->importPath(m_mainFrame.get(), CommandDialogs::InvoiceImportFilter);
        InvoiceImport::Options options;
        if (path.isEmpty() || !m_dialogs->importOptions(m_mainFrame.get(), options))
            return;
        // New Invoice from This imports the same way without asking.
        SettingsStore::set(SettingKeys::ImportMaterialsAsOneLine, options.materialsAsOneLine);
        SettingsStore::set(SettingKeys::ImportHireAsOneLine, options.hireAsOneLine);
        SettingsStore::RememberDocumentFolder(path);
        invoice->importFile(path, options);
    } else if (auto* quote = qobject_cast<JobQuoteEditView*>(view)) {
        const QString path =
            m_dialogs->importPath(m_mainFrame.get(), CommandDialogs::QuoteImportFilter);
        if (!path.isEmpty()) {
            SettingsStore::RememberDocumentFolder(path);
            quote->importEstimate(path);
        }
    }
    m_mainFrame->updateCommandStates();
}

void VorlaneApp::setMailLauncher(std::unique_ptr<MailLauncher> launcher)
{
    m_mail = std::move(launcher);
    m_actions->action(FileSendMail)->setVisible(m_mail->available());
}

void VorlaneApp::OnFileExportPdf()
{
    CChildFrame* frame = m_mainFrame->activeChildFrame();
    auto* document = frame ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
    if (TabbedEditView* view = activeEditView(); view && document)
        ExportCommands(*m_dialogs, *m_mail).exportPdf(m_mainFrame.get(), *view, *document);
}

void VorlaneApp::OnFileSendMail()
{
    CChildFrame* frame = m_mainFrame->activeChildFrame();
    auto* document = frame ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
    if (TabbedEditView* view = activeEditView(); view && document && m_mail->available())
        ExportCommands(*m_dialogs, *m_mail).sendByEmail(*view, *document);
}

Document* VorlaneApp::OnFileNewInvoiceFromThis()
{
    CChildFrame* frame = m_mainFrame->activeChildFrame();
    auto* view = frame ? qobject_cast<JobEditView*>(frame->viewWidget()) : nullptr;
    auto* source = view ? dynamic_cast<JobBaseDoc*>(&frame->document()) : nullptr;
    const DocumentTemplate* kind = source ? source->documentTemplate() : nullptr;
    if (!kind)
        return nullptr;
    // What is on screen, saved or not, goes to a file of its own for the
    // import; the estimate or quote itself keeps its path and its changes.
    view->UpdateData(true);
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("source.") + kind->extension());
    {
        Archive archive = Archive::forWriting();
        QString reason;
        if (!folder.isValid() || source->record()->write(archive) != 0 ||
            !TextFile::save(copy, archive.data(), &reason)) {
            showError(StringTable::text(IDS_FILE_SAVE_ERROR).toQString() + QStringLiteral("\n\n") +
                      (reason.isEmpty() ? folder.errorString() : reason));
            return nullptr;
        }
    }
    Document* invoice = OpenNewDocument(DocumentTemplates::InvoiceResource);
    JobInvoiceEditView* invoiceView = nullptr;
    for (DocumentView* candidate : invoice ? invoice->views() : std::vector<DocumentView*>())
        if (!invoiceView)
            invoiceView = dynamic_cast<JobInvoiceEditView*>(candidate);
    if (!invoiceView)
        return invoice;
    InvoiceImport::Options options;
    options.materialsAsOneLine = SettingsStore::isSet(SettingKeys::ImportMaterialsAsOneLine);
    options.hireAsOneLine = SettingsStore::isSet(SettingKeys::ImportHireAsOneLine);
    invoiceView->importFile(copy, options);
    m_mainFrame->updateCommandStates();
    return invoice;
}

void VorlaneApp::OnFilePrint()
{
    if (TabbedEditView* view = activeEditView())
        view->OnFilePrint();
}

void VorlaneApp::OnFilePrintPreview()
{
    if (TabbedEditView* view = activeEditView())
        view->OnFilePrintPreview();
}

bool VorlaneApp::PrintDocumentFile(const QString& path)
{
    // Printing from the shell runs without the rest of start-up, so the
    // document kinds and the styles may not be there yet.
    if (m_templates.all().empty()) {
        registerTemplates();
        LoadTextStyles();
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
    EditTabPreview* preview = view ? view->previewTab() : nullptr;
    if (!preview)
        return false;
    parts.view->OnInitialUpdate();
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(path);
    preview->printAll(printer);
    return true;
}

void VorlaneApp::UpdateAllDocumentViews(DocumentView* sender, UpdateHint hint)
{
    m_templates.UpdateAllDocumentViews(sender, hint);
}

void VorlaneApp::OnLogoLayout(int layout)
{
    SettingsStore::set(SettingKeys::LogoLayout, layout);
    UpdateAllDocumentViews(nullptr, SettingsChanged);
    if (m_mainFrame)
        m_mainFrame->updateCommandStates();
}

void VorlaneApp::OnOptions()
{
    emit optionsRequested();
    OptionsWizard sheet(
        m_styles, [this] { UpdateAllDocumentViews(nullptr, SettingsChanged); }, m_mainFrame.get());
    m_dialogs->runSettingsDialog(sheet);
}

void VorlaneApp::OnBusinessInformation()
{
    emit businessInformationRequested();
    BusinessWizard wizard([this] { UpdateAllDocumentViews(nullptr, SettingsChanged); },
                          m_mainFrame.get());
    m_dialogs->runSettingsDialog(wizard);
}

void VorlaneApp::OnHelp()
{
    const QString help = HelpLauncher::FindHelpFile(m_programFolder);
    if (help.isEmpty()) {
        MessageHook::show(StringTable::text(IDS_HELP_MISSING), MessageHook::Information,
                          MessageHook::Ok);
        return;
    }
    if (HelpLauncher::LaunchHelpFile(help))
        return;
    // Nothing on this desktop opens the manual: show it ourselves.
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(help, m_mainFrame.get());
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void VorlaneApp::OnAbout()
{
    AboutDialog dialog(HelpLauncher::FindHelpFile(m_programFolder), m_mainFrame.get());
    connect(&dialog, &AboutDialog::helpRequested, this, &VorlaneApp::OnHelp);
    dialog.exec();
}
