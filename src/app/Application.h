#pragma once

#include "CommandDialogs.h"
#include "customers/CustomerDatabase.h"
#include "documents/DocumentTemplates.h"
#include "print/TextStyles.h"
#include "records/DocumentKind.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <utility>

class CommandActions;
class CustomersWindow;
class Document;
class DocumentView;
class DocumentWindow;
class DocumentsOverview;
class QMdiSubWindow;
class InstanceChannel;
class JobBaseDoc;
class MailLauncher;
class MainWindow;
class QPrinter;
class QWidget;
class RecentFileList;
class TabbedEditView;
struct CommandLine;

/**
 * The program: starts it in a fixed order, owns the document kinds, the main
 * window and the program-wide commands (new, open, save, help, about), and
 * opens every document, wherever the request comes from.
 */
class Application : public QObject
{
    Q_OBJECT
public:
    /// The view widget of a new document window; it must also be a DocumentView.
    struct ViewParts
    {
        QWidget* widget = nullptr;
        DocumentView* view = nullptr;
    };
    using ViewFactory = std::function<ViewParts(Document& document)>;

    /// `dialogs` answers the commands' questions; null means the real dialogs.
    explicit Application(std::unique_ptr<CommandDialogs> dialogs = nullptr,
                         QObject* parent = nullptr);
    ~Application() override;

    /// Starts the program; false when it must end (for example a named file is invalid).
    bool start(const CommandLine& commandLine);

    DocumentTemplates& templates() { return m_templates; }
    const TextStyles& styles() const { return m_styles; }
    /// The view of the active document window, when it is an edit view.
    TabbedEditView* activeEditView() const;
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    CommandActions& commands() const { return *m_actions; }
    RecentFileList& recentFiles() const { return *m_recent; }
    /// The start-up flags word as read at start-up (and written back on the first run).
    uint32_t flags() const { return m_flags; }
    /// Listens for files handed over by later starts; false when another program serves.
    /// Start-up does this once the main window exists.
    bool listenForOtherStarts();
    /// The channel later starts hand their files over on.
    InstanceChannel& instanceChannel();

    /// Makes the view of each new window of the kind `resourceId`.
    void setViewFactory(int resourceId, ViewFactory factory);
    /// Where the program's own files (the manual) are looked for; the executable's folder by
    /// default.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    /// Replaces what hands attachments to the mail program (tests keep mail programs out);
    /// Send by E-mail shows only where it is available.
    void setMailLauncher(std::unique_ptr<MailLauncher> launcher);

    /// Opens `path` in a new window (or brings its window forward); null after
    /// the refusal message when it is no valid document.
    Document* openDocumentFile(const QString& path);
    /// A new document of the kind `resourceId` in a new window.
    Document* openNewDocument(int resourceId);
    Document* openNewDocument(DocumentKind::Id kind);
    /// A new document of the kind `resourceId` in a new window, started by
    /// `start` (instead of onNewDocument) before its view is made; null after
    /// the message when `start` fails.
    Document* openNewDocument(int resourceId,
                              const std::function<bool(Document&, QString*)>& start);
    /// Prints `path` without showing it; false after a message when it cannot.
    bool printDocumentFile(const QString& path);
    /// Saves `document`, asking for a path when it has none or `askPath` is set.
    bool saveDocument(Document& document, bool askPath);
    /// Tells every view of every open document.
    void updateAllViews(DocumentView* sender, UpdateHint hint);

    void newFile();
    void openFile();
    void closeFile();
    void save();
    void saveAs();
    void printSetup();
    void print();
    void printPreview();
    /// Import into the active quote (an estimate) or invoice (an estimate or quote).
    void importFile();
    /// File, Export as PDF: the active document as its preview shows it.
    void exportPdf();
    /// File, Send by E-mail: the same PDF attached to a new message.
    void sendByEmail();
    /// File, Export as E-invoice (invoices and credit notes).
    void exportEInvoice();
    /// A new, unsaved invoice with the active estimate or quote imported, as
    /// on screen, with the import options last chosen; null when there is none.
    Document* newInvoiceFromThis();
    /// File, New Credit Note from This: a new, unsaved credit note for the
    /// active invoice as on screen, for the lines and amounts the user
    /// chooses; null when cancelled or there is none.
    Document* newCreditNoteFromThis();
    /// File, Payment Reminder: a reminder letter for the active invoice as on
    /// screen, recorded with it once printed, exported or e-mailed.
    bool sendReminder();
    /// Statement...: the statement of account of the customer with
    /// `customerNumber`, or for one not in the customer database of the
    /// customer `customer` names (an address block), from the documents
    /// overview's documents (its folders scanned when it is not open).
    bool showStatement(uint32_t customerNumber, const QString& customer = QString());
    /// The customers window's Import...: a CSV file's customers, after showing what it
    /// adds, updates and skips; a busy database is written in the background.
    bool importCustomers();
    /// The customers window's Export...: every customer to a CSV or vCard file.
    bool exportCustomers();
    /// File, Duplicate: a new, unsaved document of the active one's kind with
    /// its customer and lines, the next number, today's date, no payments.
    Document* duplicate();
    void setLogoLayout(int layout);
    void showOptions();
    void showBusinessInformation();
    void showHelp();
    void showAbout();
    /// View, Documents: the documents overview's window, made on first use
    /// (its first scan starts then) and brought forward after.
    DocumentsOverview* showDocumentsOverview();
    /// The documents overview, or null while it is not open.
    DocumentsOverview* documentsOverview() const;
    /// View, Customers: the customers window, made on first use and brought
    /// forward (and refreshed) after. It lists each customer's documents from
    /// the documents overview, which is opened behind it when it is closed.
    CustomersWindow* showCustomers();
    /// The customers window, or null while it is not open.
    CustomersWindow* customersWindow() const;
    /// The title of an open document window whose customer is `number` (or a
    /// customer merged into him); empty when none is.
    QString documentHoldingCustomer(uint32_t number) const;

    /// A request handed over by another start of the program ("open" or "print"
    /// a path). Carried out at once, or in turn once no modal dialog is open.
    void handleInstanceRequest(const QString& verb, const QString& path);

signals:
    /// The options sheet is about to run.
    void optionsRequested();
    /// The business information wizard is about to run.
    void businessInformationRequested();
    /// The main window is up and start-up finished.
    void started();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void registerTemplates();
    void loadTextStyles();
    void loadCustomerDatabase();
    /**
     * The customer database could not take a change (`reason`): says why and
     * offers to write it again until it is written or the user declines.
     * On exit, declining discards the change. True once written.
     */
    bool offerCustomerRetry(QString reason, bool exiting);
    /// After a save whose customer could not be written: another running
    /// copy holding the database is waited for in the background (the
    /// window stays free); any other failure is offered for a retry at once.
    void customerWriteFailed(const QString& reason);
    /// One background attempt to write the customers still pending.
    void retryCustomerWrite();
    void createMainWindow();
    void connectCommands();
    void runFirstRun();
    DocumentWindow* windowFor(const QString& path) const;
    DocumentWindow* addWindow(std::unique_ptr<Document> document);
    void onStartPageAction(int action);
    /// After printing, exporting or e-mailing: an invoice or credit note is issued.
    void recordIssue(JobBaseDoc& document);
    /// The active document window's document, when it is a job document.
    JobBaseDoc* activeJobDocument() const;
    bool windowBusy() const;
    void servePendingRequests();

    std::unique_ptr<CommandDialogs> m_dialogs;
    std::unique_ptr<MailLauncher> m_mail;
    DocumentTemplates m_templates;
    std::map<int, ViewFactory> m_viewFactories;
    TextStyles m_styles;
    CustomerDatabase m_customers;
    /// Retries the customer database while another copy holds it.
    QTimer* m_customerRetry = nullptr;
    /// How long the window thread waits for another copy's lock (ms).
    static constexpr int CustomerLockWaitMs = 300;
    static constexpr int CustomerRetryMs = 2000;
    bool m_closing = false;
    CommandActions* m_actions;
    RecentFileList* m_recent;
    std::unique_ptr<MainWindow> m_mainWindow;
    /// The manual shown by the program itself where the desktop cannot.
    QPointer<class HelpWindow> m_helpWindow;
    QPointer<QMdiSubWindow> m_overviewWindow;
    QPointer<QMdiSubWindow> m_customersWindow;
    InstanceChannel* m_channel = nullptr;
    /// Handed-over requests waiting for the window to be free, oldest first.
    std::deque<std::pair<QString, QString>> m_pendingRequests;
    bool m_servingRequests = false;
    QString m_programFolder;
    uint32_t m_flags = 0;
};
