#include "DocumentsOverview.h"

#include "LedgerFilterModel.h"
#include "LedgerModel.h"
#include "fileformat/TextFile.h"
#include "ledger/DocumentScanner.h"
#include "ledger/LedgerExport.h"
#include "ledger/LedgerFolders.h"
#include "ledger/LedgerIndex.h"
#include "ledger/VatSummary.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>
#include <utility>

using ombrel::OMMoney;

namespace {

QString money(OMMoney m)
{
    return m.toString().toQString();
}

// The folders under each folder of `paths`, themselves among them.
QStringList foldersUnder(const QStringList& paths)
{
    QStringList folders;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir())
            continue;
        folders << QDir::cleanPath(path);
        QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            folders << QDir::cleanPath(it.next());
    }
    folders.removeDuplicates();
    return folders;
}

} // namespace

DocumentsOverview::Setup DocumentsOverview::currentSetup()
{
    Setup setup;
    setup.paths = LedgerFolders::current();
    setup.inputs = FigureInputs::current();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        setup.indexFile = QDir(cache).filePath(QStringLiteral("documents.index"));
    return setup;
}

DocumentsOverview::DocumentsOverview(const Setup& setup, QWidget* parent)
    : QWidget(parent), m_setup(setup), m_model(new LedgerModel(this)),
      m_filter(new LedgerFilterModel(m_model, this)), m_watcher(new QFileSystemWatcher(this)),
      m_folderTimer(new QTimer(this)), m_indexTimer(new QTimer(this))
{
    setWindowTitle(tr("Documents"));
    buildControls();
    connect(m_model, &LedgerModel::ledgerChanged, this, &DocumentsOverview::updateTotals);
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &DocumentsOverview::updateTotals);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &DocumentsOverview::updateTotals);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &DocumentsOverview::updateTotals);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &DocumentsOverview::updateTotals);

    // Saving replaces a file by renaming over it: one change of its folder,
    // sometimes a few; they are taken together shortly after.
    m_folderTimer->setSingleShot(true);
    m_folderTimer->setInterval(150);
    connect(m_folderTimer, &QTimer::timeout, this, &DocumentsOverview::refreshPendingFolders);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &DocumentsOverview::folderChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this,
            [this](const QString& file) { folderChanged(QFileInfo(file).path()); });
    m_indexTimer->setSingleShot(true);
    m_indexTimer->setInterval(2000);
    connect(m_indexTimer, &QTimer::timeout, this, &DocumentsOverview::saveIndex);
    updateTotals();
}

DocumentsOverview::~DocumentsOverview()
{
    m_cancel = true;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    if (m_indexTimer->isActive())
        saveIndex();
}

void DocumentsOverview::saveIndex()
{
    m_indexTimer->stop();
    if (m_setup.indexFile.isEmpty())
        return;
    std::vector<LedgerEntry> entries;
    entries.reserve(size_t(m_model->ledger().size()));
    for (const Ledger::Row& row : m_model->ledger().rows())
        entries.push_back(row.entry);
    LedgerIndex::save(m_setup.indexFile, entries, m_setup.inputs);
}

void DocumentsOverview::buildControls()
{
    m_kind = new QComboBox;
    m_kind->addItem(tr("All kinds"), -1);
    for (const DocumentKind* kind : DocumentKind::all())
        m_kind->addItem(tr(kind->title), int(kind->id));
    m_status = new QComboBox;
    const std::pair<QString, LedgerFilterModel::StatusFilter> statuses[] = {
        {tr("Any status"), LedgerFilterModel::AnyStatus},
        {tr("Owed"), LedgerFilterModel::Outstanding},
        {tr("Overdue"), LedgerFilterModel::OverdueOnly},
        {tr("Paid"), LedgerFilterModel::PaidOnly},
        {tr("Refund due"), LedgerFilterModel::RefundsDue},
        {tr("Not billed"), LedgerFilterModel::NotBilled},
        {tr("Unreadable"), LedgerFilterModel::Unreadable},
        {tr("Repeated numbers"), LedgerFilterModel::RepeatedNumbers},
    };
    for (const auto& [title, status] : statuses)
        m_status->addItem(title, int(status));
    m_customer = new QLineEdit;
    m_customer->setPlaceholderText(tr("Customer"));
    m_customer->setClearButtonEnabled(true);
    m_text = new QLineEdit;
    m_text->setPlaceholderText(tr("Search"));
    m_text->setClearButtonEnabled(true);
    const auto dateEdit = [this] {
        auto* edit = new QDateEdit(this);
        edit->setCalendarPopup(true);
        edit->setMinimumDate(QDate(1900, 1, 1));
        edit->setSpecialValueText(tr("any"));
        edit->setDate(edit->minimumDate());
        connect(edit, &QDateEdit::dateChanged, this, &DocumentsOverview::applyFilters);
        return edit;
    };
    m_from = dateEdit();
    m_to = dateEdit();
    connect(m_kind, &QComboBox::currentIndexChanged, this, &DocumentsOverview::applyFilters);
    connect(m_status, &QComboBox::currentIndexChanged, this, &DocumentsOverview::applyFilters);
    connect(m_customer, &QLineEdit::textChanged, this, &DocumentsOverview::applyFilters);
    connect(m_text, &QLineEdit::textChanged, this, &DocumentsOverview::applyFilters);

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_kind);
    filters->addWidget(m_status);
    filters->addWidget(m_customer, 1);
    filters->addWidget(m_text, 1);
    filters->addWidget(new QLabel(tr("From")));
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("to")));
    filters->addWidget(m_to);

    m_table = new QTableView;
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(LedgerModel::Date, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(LedgerModel::Customer, QHeaderView::Stretch);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QTableView::customContextMenuRequested, this,
            &DocumentsOverview::showContextMenu);
    connect(m_table, &QTableView::activated, this, [this](const QModelIndex& index) {
        const QString path = index.data(LedgerModel::PathRole).toString();
        if (m_model->ledger().row(m_model->ledger().indexOf(path)).entry.isReadable())
            emit openRequested(path);
    });

    m_totals = new QLabel;
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_totals->setWordWrap(true);
    m_progress = new QProgressBar;
    m_progress->setMaximumWidth(200);
    m_progress->hide();

    auto* exportButton = new QPushButton(tr("Export CSV..."));
    connect(exportButton, &QPushButton::clicked, this, &DocumentsOverview::exportCsv);
    auto* vatButton = new QPushButton(tr("VAT Summary..."));
    connect(vatButton, &QPushButton::clicked, this, &DocumentsOverview::showVatSummary);
    auto* foldersButton = new QPushButton(tr("Folders..."));
    connect(foldersButton, &QPushButton::clicked, this, &DocumentsOverview::editFolders);
    m_atStart = new QCheckBox(tr("Show at start-up"));
    m_atStart->setChecked(SettingsStore::isSet(SettingKeys::OverviewAtStart));
    connect(m_atStart, &QCheckBox::toggled, this,
            [](bool on) { SettingsStore::set(SettingKeys::OverviewAtStart, on ? 1 : 0); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_totals, 1);
    bottom->addWidget(m_progress);
    bottom->addWidget(exportButton);
    bottom->addWidget(vatButton);
    bottom->addWidget(foldersButton);
    bottom->addWidget(m_atStart);

    // The list takes the keys when the window comes forward, not a filter.
    setFocusProxy(m_table);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
}

void DocumentsOverview::applyFilters()
{
    m_filter->setKind(m_kind->currentData().toInt());
    m_filter->setStatus(LedgerFilterModel::StatusFilter(m_status->currentData().toInt()));
    m_filter->setCustomer(m_customer->text());
    m_filter->setText(m_text->text());
    const auto date = [](QDateEdit* edit) {
        return edit->date() == edit->minimumDate() ? QDate() : edit->date();
    };
    m_filter->setDateRange(date(m_from), date(m_to));
    updateTotals();
}

QString DocumentsOverview::totalsText() const
{
    return m_totals->text();
}

void DocumentsOverview::updateTotals()
{
    const Ledger::Totals t = m_model->ledger().totals(m_filter->shownRows());
    QString text = tr("%1 of %2 documents shown. Owed %3, overdue %4")
                       .arg(t.documents)
                       .arg(m_model->ledger().size())
                       .arg(money(t.owed), money(t.overdue));
    QStringList ageing;
    for (int a = 0; a < Ledger::AgeingCount; ++a)
        ageing << Ledger::ageingTitle(Ledger::Ageing(a)) + u' ' + money(t.ageing[size_t(a)]);
    text += QStringLiteral(" (") + ageing.join(QStringLiteral("; ")) + u')';
    if (t.refundDue != 0)
        text += tr(", refunds due %1").arg(money(t.refundDue));
    // What contractors deducted under CIS, which the business reclaims.
    if (t.cisDeducted != 0)
        text += tr(", CIS deducted %1").arg(money(t.cisDeducted));
    if (t.unreadable == 1)
        text += tr(". 1 file could not be read.");
    else if (t.unreadable > 1)
        text += tr(". %1 files could not be read.").arg(t.unreadable);
    m_totals->setText(text + (text.endsWith(u'.') ? QString() : QStringLiteral(".")));
}

void DocumentsOverview::startScan()
{
    if (m_thread)
        return;
    m_progress->setRange(0, 0);
    m_progress->show();
    const Setup setup = m_setup;
    m_thread = QThread::create([this, setup] {
        LedgerIndex index;
        // What the index holds is shown at once; the scan then checks every
        // file and the list is brought up to date where they differ.
        if (!setup.indexFile.isEmpty() && index.load(setup.indexFile, setup.inputs)) {
            auto known = std::make_shared<std::vector<LedgerEntry>>(index.entries());
            QMetaObject::invokeMethod(
                this,
                [this, known] {
                    if (m_model->ledger().size() == 0)
                        showEntries(std::move(*known));
                },
                Qt::QueuedConnection);
        }
        const QStringList folders = foldersUnder(setup.paths);
        const QStringList files = DocumentScanner::documentFiles(setup.paths);
        auto entries = std::make_shared<std::vector<LedgerEntry>>(
            DocumentScanner::scan(files, setup.inputs, &index, [this](int done, int total) {
                if (done % 200 == 0 || done == total)
                    QMetaObject::invokeMethod(
                        this,
                        [this, done, total] {
                            m_progress->setRange(0, total);
                            m_progress->setValue(done);
                        },
                        Qt::QueuedConnection);
                return !m_cancel.load();
            }));
        if (m_cancel)
            return;
        if (!setup.indexFile.isEmpty())
            LedgerIndex::save(setup.indexFile, *entries, setup.inputs);
        QMetaObject::invokeMethod(
            this, [this, entries, folders] { scanDone(std::move(*entries), folders); },
            Qt::QueuedConnection);
    });
    m_thread->start();
}

void DocumentsOverview::scanDone(std::vector<LedgerEntry> entries, QStringList folders)
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_progress->hide();
    showEntries(std::move(entries));
    watchFolders(folders);
    // A file named on its own (not in a folder) is watched by itself.
    QStringList files;
    for (const QString& path : m_setup.paths)
        if (QFileInfo(path).isFile())
            files << path;
    if (!files.isEmpty())
        m_watcher->addPaths(files);
    emit scanFinished();
    if (std::exchange(m_scanAgain, false))
        rescan();
}

void DocumentsOverview::showEntries(std::vector<LedgerEntry> entries)
{
    // The index's list stays when the scan found every file as it was, so
    // the selection and the scrolling are kept.
    const Ledger& shown = m_model->ledger();
    bool same = shown.size() == int(entries.size());
    for (size_t i = 0; same && i < entries.size(); ++i) {
        const LedgerEntry& e = shown.row(int(i)).entry;
        same = e.path == entries[i].path && e.size == entries[i].size &&
               e.modified == entries[i].modified;
    }
    if (same && shown.size() > 0)
        return;
    const bool first = shown.size() == 0;
    m_model->setLedger(Ledger(std::move(entries), m_setup.inputs.asOf));
    if (first) {
        m_table->resizeColumnsToContents();
        m_table->horizontalHeader()->setSectionResizeMode(LedgerModel::Customer,
                                                          QHeaderView::Stretch);
    }
}

void DocumentsOverview::watchFolders(const QStringList& folders)
{
    const QStringList watched = m_watcher->directories();
    QStringList add;
    for (const QString& folder : folders)
        if (!watched.contains(folder))
            add << folder;
    if (!add.isEmpty())
        m_watcher->addPaths(add);
}

void DocumentsOverview::folderChanged(const QString& folder)
{
    m_pendingFolders.insert(QDir::cleanPath(folder));
    m_folderTimer->start();
}

void DocumentsOverview::refreshPendingFolders()
{
    if (m_thread) {
        // The first scan still runs; what it finds is current enough, but
        // look again once it is done.
        m_folderTimer->start();
        return;
    }
    const QSet<QString> folders = std::exchange(m_pendingFolders, {});
    const Ledger& ledger = m_model->ledger();
    for (const QString& folder : folders) {
        const QFileInfo info(folder);
        QSet<QString> present;
        if (info.isDir()) {
            const QFileInfoList files =
                QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
            for (const QFileInfo& file : files) {
                const QString path = QDir::cleanPath(file.filePath());
                if (!DocumentScanner::isDocumentPath(path))
                    continue;
                present.insert(path);
                const int row = ledger.indexOf(path);
                if (row >= 0 && ledger.row(row).entry.size == file.size() &&
                    ledger.row(row).entry.modified == file.lastModified().toMSecsSinceEpoch())
                    continue;
                m_model->putEntry(DocumentScanner::read(path, m_setup.inputs));
            }
            // Folders made or moved in: listed and watched like the first ones.
            const QStringList subfolders =
                QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString& name : subfolders) {
                const QString sub = QDir::cleanPath(folder + u'/' + name);
                if (m_watcher->directories().contains(sub))
                    continue;
                watchFolders(foldersUnder({sub}));
                for (const QString& path : DocumentScanner::documentFiles({sub}))
                    m_model->putEntry(DocumentScanner::read(path, m_setup.inputs));
            }
        }
        // Rows of files gone from the folder, or from under it when it went.
        QStringList gone;
        for (const Ledger::Row& row : ledger.rows()) {
            const QString& path = row.entry.path;
            if (info.isDir() ? (QFileInfo(path).path() == folder && !present.contains(path))
                             : path.startsWith(folder + u'/'))
                gone << path;
        }
        for (const QString& path : gone)
            if (!QFileInfo::exists(path) || !info.isDir())
                m_model->removePath(path);
        // A file named on its own that came back after a replace is watched again.
        if (QFileInfo(folder).isFile() && !m_watcher->files().contains(folder))
            m_watcher->addPath(folder);
    }
    saveIndexSoon();
}

void DocumentsOverview::refreshFile(const QString& path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!DocumentScanner::isDocumentPath(clean) || m_thread)
        return;
    m_model->putEntry(DocumentScanner::read(clean, m_setup.inputs));
    saveIndexSoon();
}

void DocumentsOverview::saveIndexSoon()
{
    m_indexTimer->start();
}

QString DocumentsOverview::currentPath() const
{
    return m_table->currentIndex().data(LedgerModel::PathRole).toString();
}

void DocumentsOverview::showContextMenu(const QPoint& at)
{
    const QModelIndex index = m_table->indexAt(at);
    if (!index.isValid())
        return;
    m_table->setCurrentIndex(index);
    const QString path = index.data(LedgerModel::PathRole).toString();
    const Ledger::Row& row = m_model->ledger().row(m_model->ledger().indexOf(path));
    const bool readable = row.entry.isReadable();
    const DocumentKind* kind = readable ? &DocumentKind::get(row.entry.summary.kind) : nullptr;

    QMenu menu(this);
    QAction* open = menu.addAction(tr("&Open"), this, [this, path] { emit openRequested(path); });
    QAction* pdf = menu.addAction(tr("&Export as PDF..."), this,
                                  [this, path] { emit exportPdfRequested(path); });
    QAction* mail =
        menu.addAction(tr("Send by E-&mail..."), this, [this, path] { emit sendRequested(path); });
    QAction* invoice = menu.addAction(tr("New &Invoice from This"), this,
                                      [this, path] { emit newInvoiceRequested(path); });
    // Getting paid.
    QAction* reminder = menu.addAction(tr("Payment &Reminder..."), this,
                                       [this, path] { emit reminderRequested(path); });
    reminder->setEnabled(kind && kind->offers(DocumentKind::ReminderCommand) &&
                         row.status == Ledger::Overdue);
    const uint32_t customerNumber = readable ? row.entry.summary.customerNumber : 0;
    const QString customer = readable ? row.entry.summary.customer : QString();
    QAction* statement =
        menu.addAction(tr("&Statement of Account..."), this, [this, customerNumber, customer] {
            emit statementRequested(customerNumber, customer);
        });
    statement->setEnabled(row.entry.isBill() && (customerNumber != 0 || !customer.isEmpty()));
    menu.addSeparator();
    menu.addAction(tr("Show in &Folder"), this,
                   [this, path] { emit showFolderRequested(QFileInfo(path).absolutePath()); });
    for (QAction* action : {open, pdf, mail})
        action->setEnabled(readable);
    invoice->setEnabled(kind && kind->offers(DocumentKind::NewInvoiceCommand));
    menu.setDefaultAction(open);
    menu.exec(m_table->viewport()->mapToGlobal(at));
}

QString DocumentsOverview::shownAsCsv() const
{
    return LedgerExport::toCsv(m_model->ledger(), m_filter->shownRows());
}

void DocumentsOverview::exportCsv()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export as CSV"),
        QDir(SettingsStore::lastDocumentFolder()).filePath(QStringLiteral("documents.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!TextFile::save(path, shownAsCsv().toUtf8(), &error))
        QMessageBox::warning(this, tr("Export as CSV"), TextFile::invalidFileMessage(path, error));
}

void DocumentsOverview::showVatSummary()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("VAT Summary"));
    auto* period = new QLineEdit;
    const QDate today = QDate::currentDate();
    period->setText(QStringLiteral("%1-Q%2").arg(today.year()).arg((today.month() - 1) / 3 + 1));
    period->setToolTip(tr("A month as 2026-10 or a quarter as 2026-Q3"));
    auto* basis = new QComboBox;
    basis->addItem(tr("Invoice basis"), int(VatSummary::InvoiceBasis));
    basis->addItem(tr("Cash basis"), int(VatSummary::CashBasis));
    auto* result = new QPlainTextEdit;
    result->setReadOnly(true);
    result->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* save = buttons->addButton(tr("Export CSV..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    QString csv;
    const auto refresh = [&] {
        ombrel::OMDate first, last;
        QString error;
        if (!VatSummary::parsePeriod(period->text(), &first, &last, &error)) {
            result->setPlainText(error);
            csv.clear();
        } else {
            const VatSummary summary(m_model->ledger(), first, last,
                                     VatSummary::Basis(basis->currentData().toInt()));
            result->setPlainText(summary.toTable());
            csv = summary.toCsv();
        }
        save->setEnabled(!csv.isEmpty());
    };
    connect(period, &QLineEdit::textChanged, &dialog, refresh);
    connect(basis, &QComboBox::currentIndexChanged, &dialog, refresh);
    connect(save, &QPushButton::clicked, &dialog, [&] {
        const QString path = QFileDialog::getSaveFileName(
            &dialog, tr("Export as CSV"),
            QDir(SettingsStore::lastDocumentFolder())
                .filePath(QStringLiteral("VAT %1.csv").arg(period->text().trimmed())),
            tr("CSV files (*.csv)"));
        QString error;
        if (!path.isEmpty() && !TextFile::save(path, csv.toUtf8(), &error))
            QMessageBox::warning(&dialog, tr("Export as CSV"),
                                 TextFile::invalidFileMessage(path, error));
    });
    refresh();

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Period")));
    top->addWidget(period);
    top->addWidget(basis);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addWidget(result, 1);
    layout->addWidget(buttons);
    dialog.resize(560, 320);
    dialog.exec();
}

void DocumentsOverview::editFolders()
{
    bool ok = false;
    const QString text = QInputDialog::getMultiLineText(
        this, tr("Folders"),
        tr("Besides the document folder, list the documents in these folders and the folders "
           "below them (one a line):"),
        LedgerFolders::added().join(u'\n'), &ok);
    if (!ok)
        return;
    QStringList folders;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        if (!line.trimmed().isEmpty())
            folders << QDir::cleanPath(line.trimmed());
    QString error;
    if (!LedgerFolders::setAdded(folders, &error)) {
        QMessageBox::warning(this, tr("Folders"), error);
        return;
    }
    reloadFolders();
}

void DocumentsOverview::reloadFolders()
{
    const QStringList paths = LedgerFolders::current();
    if (paths == m_setup.paths)
        return;
    // Listed afresh over the new folders; the index spares reading again.
    m_setup.paths = paths;
    rescan();
}

void DocumentsOverview::rescan()
{
    // A scan under way reads the old folders: the new one follows it.
    if (m_thread) {
        m_scanAgain = true;
        return;
    }
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    startScan();
}
