#include "CustomersWindow.h"

#include "CustomerEditor.h"
#include "CustomerFilterModel.h"
#include "CustomerLedgerFilter.h"
#include "CustomerListModel.h"
#include "LedgerModel.h"
#include "customers/CustomerDatabase.h"
#include "views/MessageHook.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

using ombrel::OMMoney;

namespace {

/// Each column as wide as its widest cell, within reason.
void fitColumns(QTableView* table)
{
    table->resizeColumnsToContents();
    const int widest = table->fontMetrics().averageCharWidth() * 28;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        table->setColumnWidth(column, std::min(table->columnWidth(column), widest));
}

QString money(OMMoney m)
{
    return m.toString().toQString();
}

/// How a customer is named in a question: "12 (Ann Smith, Smith Ltd, 1 Mill Lane, Bath)".
QString describe(const Customer& c)
{
    // The first line of the address and the town tell two of a name apart.
    QStringList parts{CustomerListModel::nameOf(c), c.company.toQString().trimmed(),
                      c.address.first.toQString().section(QLatin1Char('\n'), 0, 0).trimmed(),
                      c.address.town.toQString().trimmed()};
    parts.removeAll(QString());
    return QStringLiteral("%1 (%2)").arg(c.custno).arg(parts.join(QStringLiteral(", ")));
}

} // namespace

CustomersWindow::CustomersWindow(CustomerDatabase& customers, QWidget* parent)
    : QWidget(parent), m_customers(customers), m_list(new CustomerListModel(this)),
      m_filter(new CustomerFilterModel(m_list, this)),
      m_ledgerFilter(new CustomerLedgerFilter(customers, this))
{
    setWindowTitle(tr("Customers"));
    buildControls();
    m_list->reload(m_customers);
    fitColumns(m_table);
    m_table->sortByColumn(CustomerListModel::Number, Qt::AscendingOrder);
    if (m_filter->rowCount() > 0)
        m_table->setCurrentIndex(m_filter->index(0, 0));
    updateButtons();
}

CustomersWindow::~CustomersWindow() = default;

void CustomersWindow::buildControls()
{
    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_delete = tools->addAction(tr("Delete..."), this, &CustomersWindow::deleteCustomer);
    m_delete->setToolTip(tr("Delete the chosen customer (Delete)"));
    m_merge = tools->addAction(tr("Merge..."), this, &CustomersWindow::mergeCustomers);
    m_merge->setToolTip(tr("Merge two customers chosen in the list into one"));
    tools->addSeparator();
    QAction* import = tools->addAction(tr("Import..."), this, &CustomersWindow::importRequested);
    import->setToolTip(tr("Add or update customers from a CSV file"));
    QAction* exportAll = tools->addAction(tr("Export..."), this, &CustomersWindow::exportRequested);
    exportAll->setToolTip(tr("Write the customers to a CSV or vCard file"));
    tools->addSeparator();
    QAction* reread = tools->addAction(tr("Refresh"), this, [this] { refresh(); });
    reread->setToolTip(tr("Show what other copies of Vorlane changed (F5)"));
    // Tab goes through the search, the lists and the fields; the tool bar's
    // commands are on the list's context menu too (the Menu key, Shift+F10).
    tools->setFocusPolicy(Qt::NoFocus);

    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Search by name, address, postcode, phone, e-mail or number "
                                    "(Ctrl+F)"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search customers"));
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setText(text);
        if (m_filter->rowCount() > 0 && !m_table->selectionModel()->hasSelection())
            m_table->setCurrentIndex(m_filter->index(0, 0));
        updateButtons();
    });
    m_search->installEventFilter(this);

    m_table = new QTableView(this);
    m_table->setModel(m_filter);
    m_table->setAccessibleName(tr("Customers"));
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->installEventFilter(this);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->addActions(tools->actions());
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CustomersWindow::currentChanged);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CustomersWindow::selectionChanged);

    m_editor = new CustomerEditor(this);
    connect(m_editor, &CustomerEditor::saveRequested, this, [this] { saveCustomer(); });
    connect(m_editor, &CustomerEditor::modifiedChanged, this, [this](bool modified) {
        if (modified)
            showStatus(tr("Changed: Save stores the changes, Revert forgets them."));
    });

    m_documents = new QTableView(this);
    m_documents->setModel(m_ledgerFilter);
    m_documents->setAccessibleName(tr("The customer's documents"));
    m_documents->setSortingEnabled(true);
    m_documents->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_documents->setSelectionMode(QAbstractItemView::SingleSelection);
    m_documents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_documents->setTabKeyNavigation(false);
    m_documents->verticalHeader()->hide();
    m_documents->verticalHeader()->setDefaultSectionSize(m_documents->fontMetrics().height() + 6);
    m_documents->horizontalHeader()->setStretchLastSection(true);
    m_documents->setWordWrap(false);
    connect(m_documents, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit openRequested(index.data(LedgerModel::PathRole).toString());
    });
    auto* documentsLabel = new QLabel(tr("Doc&uments"), this);
    documentsLabel->setBuddy(m_documents);

    m_totals = new QLabel(this);
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statement = new QPushButton(tr("State&ment..."), this);
    m_statement->setToolTip(tr("The chosen customer's statement of account"));
    connect(m_statement, &QPushButton::clicked, this, [this] {
        if (const Customer* c = m_customers.customer(currentCustomer()))
            emit statementRequested(c->custno, c->displayText().toQString());
    });
    m_reminder = new QPushButton(tr("Remin&der..."), this);
    connect(m_reminder, &QPushButton::clicked, this, [this] {
        const QString path = reminderPath();
        if (!path.isEmpty())
            emit reminderRequested(path);
    });

    m_status = new QLabel(this);
    m_status->setAccessibleName(tr("Status"));
    m_status->setWordWrap(true);

    auto* listPane = new QWidget(this);
    auto* listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_search);
    listLayout->addWidget(m_table);

    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(listPane);
    top->addWidget(m_editor);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 2);
    top->setSizes({600, 400});
    top->setChildrenCollapsible(false);

    auto* documentsPane = new QWidget(this);
    auto* documentsLayout = new QVBoxLayout(documentsPane);
    documentsLayout->setContentsMargins(0, 0, 0, 0);
    documentsLayout->addWidget(documentsLabel);
    documentsLayout->addWidget(m_documents);
    auto* totalsRow = new QHBoxLayout;
    totalsRow->addWidget(m_totals, 1);
    totalsRow->addWidget(m_statement);
    totalsRow->addWidget(m_reminder);
    documentsLayout->addLayout(totalsRow);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(top);
    split->addWidget(documentsPane);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(split, 1);
    layout->addWidget(m_status);

    // Search, list, fields, Save, Revert, documents, Statement, Reminder.
    setTabOrder(m_search, m_table);
    setTabOrder(m_table, m_editor->firstField());
    setTabOrder(m_editor->revertButton(), m_documents);
    setTabOrder(m_documents, m_statement);
    setTabOrder(m_statement, m_reminder);

    auto* find =
        new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    auto* again = new QShortcut(QKeySequence(Qt::Key_F5), this, nullptr, nullptr,
                                Qt::WidgetWithChildrenShortcut);
    connect(again, &QShortcut::activated, this, [this] { refresh(); });
}

void CustomersWindow::setLedgerModel(LedgerModel* model)
{
    if (m_ledger)
        disconnect(m_ledger, nullptr, this, nullptr);
    m_ledger = model;
    m_ledgerFilter->setLedgerModel(model);
    if (model) {
        connect(model, &LedgerModel::ledgerChanged, this, &CustomersWindow::ledgerChanged);
        connect(model, &QObject::destroyed, this, [this] {
            m_ledgerFilter->setLedgerModel(nullptr);
            ledgerChanged();
        });
        for (const int hidden :
             {int(LedgerModel::Customer), int(LedgerModel::File), int(LedgerModel::CisDeducted),
              int(LedgerModel::Net), int(LedgerModel::Vat)})
            m_documents->setColumnHidden(hidden, true);
        m_documents->sortByColumn(LedgerModel::Date, Qt::DescendingOrder);
    }
    ledgerChanged();
}

void CustomersWindow::refresh(bool wantLedger)
{
    QString error;
    if (!m_customers.readChanges(&error))
        showStatus(error);
    else
        showStatus(tr("The customers are shown as the database holds them now."));
    reloadList(currentCustomer());
    if (!m_ledger && wantLedger)
        emit ledgerWanted();
}

void CustomersWindow::reloadList(uint32_t keep)
{
    m_reloading = true;
    m_list->reload(m_customers);
    m_reloading = false;
    fitColumns(m_table);
    ledgerChanged();
    if (keep == 0 || !selectCustomer(keep)) {
        if (m_filter->rowCount() > 0)
            m_table->setCurrentIndex(m_filter->index(0, 0));
        else
            currentChanged();
    } else if (!m_editor->isModified()) {
        // The same customer, perhaps changed by another copy.
        if (const Customer* c = m_customers.customer(keep))
            m_editor->setCustomer(*c);
    }
    updateButtons();
}

bool CustomersWindow::selectCustomer(uint32_t number)
{
    int row = m_list->rowOf(number);
    if (row < 0)
        return false;
    QModelIndex index = m_filter->mapFromSource(m_list->index(row, 0));
    if (!index.isValid()) {
        m_search->clear();
        index = m_filter->mapFromSource(m_list->index(row, 0));
    }
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
    return true;
}

uint32_t CustomersWindow::currentCustomer() const
{
    return m_shown;
}

std::vector<uint32_t> CustomersWindow::selectedCustomers() const
{
    std::vector<uint32_t> numbers;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        numbers.push_back(index.data(CustomerListModel::NumberRole).toUInt());
    return numbers;
}

void CustomersWindow::currentChanged()
{
    if (m_reloading)
        return;
    const QModelIndex index = m_table->currentIndex();
    const uint32_t number =
        index.isValid() ? index.data(CustomerListModel::NumberRole).toUInt() : 0;
    if (number == m_shown && m_editor->original().custno == number)
        return;
    if (m_editor->isModified()) {
        const Customer edited = m_editor->customer();
        const QString question =
            tr("Customer %1 was changed. Store the changes?").arg(describe(m_editor->original()));
        if (MessageHook::show(question, MessageHook::Question, MessageHook::YesNo) ==
            MessageHook::AnswerYes) {
            // The list is taken again once the selection has settled.
            store(edited);
            QTimer::singleShot(0, this, [this] { reloadList(m_shown); });
        }
    }
    m_shown = number;
    const Customer* c = number ? m_customers.customer(number) : nullptr;
    m_editor->setCustomer(c ? *c : Customer());
    m_ledgerFilter->setCustomer(number);
    updateDocuments();
    updateButtons();
}

void CustomersWindow::selectionChanged()
{
    updateButtons();
}

void CustomersWindow::ledgerChanged()
{
    QHash<uint32_t, std::vector<int>> rows;
    if (m_ledger) {
        const Ledger& ledger = m_ledger->ledger();
        for (int i = 0; i < ledger.size(); ++i)
            if (const uint32_t held = ledger.row(i).entry.summary.customerNumber)
                rows[m_customers.currentNumber(held)].push_back(i);
        QHash<uint32_t, OMMoney> owed;
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            if (const OMMoney due = ledger.totals(it.value()).owed; due.value() != 0)
                owed.insert(it.key(), due);
        m_list->setOwed(std::move(owed));
    } else {
        m_list->setOwed({});
    }
    m_ledgerFilter->invalidate();
    updateDocuments();
}

void CustomersWindow::updateDocuments()
{
    if (!m_ledger) {
        m_totals->setText(tr("His documents are listed while the Documents window is open "
                             "(F5 opens it)."));
    } else if (m_shown == 0) {
        m_totals->clear();
    } else {
        const Ledger::Totals t = m_ledger->ledger().totals(m_ledgerFilter->shownRows());
        QString text = (t.documents == 1 ? tr("1 document") : tr("%1 documents").arg(t.documents)) +
                       tr("; invoiced %1, paid %2; owed %3, overdue %4")
                           .arg(money(t.gross), money(t.paid), money(t.owed), money(t.overdue));
        if (t.refundDue.value() != 0)
            text += tr("; to pay back %1").arg(money(t.refundDue));
        m_totals->setText(text);
        fitColumns(m_documents);
    }
    updateButtons();
}

QString CustomersWindow::totalsText() const
{
    return m_totals->text();
}

QString CustomersWindow::statusText() const
{
    return m_status->text();
}

void CustomersWindow::showStatus(const QString& text)
{
    m_status->setText(text);
}

QString CustomersWindow::currentDocumentPath() const
{
    const QModelIndex index = m_documents->currentIndex();
    return index.isValid() ? index.data(LedgerModel::PathRole).toString() : QString();
}

QString CustomersWindow::reminderPath() const
{
    if (!m_ledger)
        return {};
    const Ledger& ledger = m_ledger->ledger();
    const auto overdueInvoice = [&](int row) {
        const Ledger::Row& r = ledger.row(row);
        return r.status == Ledger::Overdue && r.entry.summary.kind == DocumentKind::Invoice;
    };
    if (const QModelIndex index = m_documents->currentIndex(); index.isValid()) {
        const int row = m_ledgerFilter->mapToSource(index).row();
        if (overdueInvoice(row))
            return ledger.row(row).entry.path;
    }
    int longest = -1;
    for (const int row : m_ledgerFilter->shownRows())
        if (overdueInvoice(row) &&
            (longest < 0 || ledger.row(row).daysOverdue > ledger.row(longest).daysOverdue))
            longest = row;
    return longest < 0 ? QString() : ledger.row(longest).entry.path;
}

void CustomersWindow::updateButtons()
{
    const bool chosen = m_shown != 0;
    m_delete->setEnabled(chosen);
    m_merge->setEnabled(selectedCustomers().size() == 2);
    m_statement->setEnabled(chosen);
    const QString reminder = reminderPath();
    m_reminder->setEnabled(!reminder.isEmpty());
    m_reminder->setToolTip(
        reminder.isEmpty() ? tr("A payment reminder for an overdue invoice of his")
                           : tr("A payment reminder for %1").arg(QFileInfo(reminder).fileName()));
}

bool CustomersWindow::saveCustomer()
{
    if (!m_editor->isModified())
        return false;
    const bool ok = store(m_editor->customer());
    reloadList(m_shown);
    return ok;
}

bool CustomersWindow::store(Customer customer)
{
    QString error;
    const bool ok = m_customers.updateCustomer(customer, &error);
    QString done = tr("Customer %1 is stored.").arg(describe(customer));
    // A document window keeps its own copy; saving it leaves this one alone
    // unless his details are changed there too.
    if (const QString document = m_inUse ? m_inUse(customer.custno) : QString();
        !document.isEmpty())
        done += QLatin1Char(' ') + tr("%1 is open and keeps his details as they were when it "
                                      "was made.")
                                       .arg(document);
    wrote(ok, error, done);
    // The fields now show what is stored.
    if (customer.custno == m_shown)
        if (const Customer* held = m_customers.customer(customer.custno))
            m_editor->setCustomer(*held);
    return ok;
}

void CustomersWindow::wrote(bool ok, const QString& error, const QString& done)
{
    if (ok) {
        showStatus(done);
        return;
    }
    showStatus(m_customers.lastWriteFoundLockBusy()
                   ? tr("%1 Another copy of Vorlane holds the customer database: it is written "
                        "as soon as that copy lets it go.")
                         .arg(done)
                   : tr("Not written to the customer database: %1").arg(error));
    emit writeFailed(error);
}

bool CustomersWindow::deleteCustomer()
{
    const Customer* c = m_customers.customer(m_shown);
    if (!c)
        return false;
    const Customer customer = *c;
    if (const QString document = m_inUse ? m_inUse(customer.custno) : QString();
        !document.isEmpty()) {
        MessageHook::show(tr("Customer %1 cannot be deleted while %2 is open: it holds him. "
                             "Close it first.")
                              .arg(describe(customer), document),
                          MessageHook::Information, MessageHook::Ok);
        return false;
    }
    const QString question =
        tr("Delete customer %1 from the customer database?\n\nHis documents stay as they are "
           "and keep their own copy of his name and address; his number is not given out again.")
            .arg(describe(customer));
    if (MessageHook::show(question, MessageHook::Question, MessageHook::YesNo) !=
        MessageHook::AnswerYes)
        return false;
    QString error;
    const bool ok = m_customers.removeCustomer(customer.custno, &error);
    wrote(ok, error, tr("Customer %1 is deleted.").arg(describe(customer)));
    m_editor->setCustomer(Customer());
    m_shown = 0;
    reloadList(0);
    return ok;
}

bool CustomersWindow::mergeCustomers()
{
    const std::vector<uint32_t> numbers = selectedCustomers();
    if (numbers.size() != 2)
        return false;
    const Customer* first = m_customers.customer(std::min(numbers[0], numbers[1]));
    const Customer* second = m_customers.customer(std::max(numbers[0], numbers[1]));
    if (!first || !second)
        return false;
    const Customer a = *first, b = *second;
    const QString question =
        tr("Merge these two customers into one?\n\n  %1\n  %2\n\nChoose the one to keep. The "
           "other is removed from the customer database; his documents stay readable as they "
           "are and are counted under the customer kept, in his balance and statements. A phone, "
           "mobile, fax, e-mail or VAT number the one kept lacks is taken from the other.")
            .arg(describe(a), describe(b));
    const MessageHook::Answer answer =
        MessageHook::show(question, MessageHook::Question, MessageHook::YesNoCancel,
                          {tr("Keep %1").arg(a.custno), tr("Keep %1").arg(b.custno), tr("Cancel")});
    if (answer != MessageHook::AnswerYes && answer != MessageHook::AnswerNo)
        return false;
    Customer kept = answer == MessageHook::AnswerYes ? a : b;
    const Customer removed = answer == MessageHook::AnswerYes ? b : a;
    if (const QString document = m_inUse ? m_inUse(removed.custno) : QString();
        !document.isEmpty()) {
        MessageHook::show(tr("Customer %1 cannot be merged away while %2 is open: it holds "
                             "him. Close it first.")
                              .arg(describe(removed), document),
                          MessageHook::Information, MessageHook::Ok);
        return false;
    }
    // The fields being edited of the kept customer go with him.
    if (m_editor->original().custno == kept.custno && m_editor->isModified())
        kept = m_editor->customer();
    kept.takeMissingContacts(removed);
    QString error;
    const bool ok = m_customers.mergeCustomers(removed.custno, kept, &error);
    wrote(ok, error, tr("Customer %1 is merged into %2.").arg(describe(removed), describe(kept)));
    m_editor->setCustomer(Customer());
    m_shown = 0;
    m_table->clearSelection();
    reloadList(kept.custno);
    return ok;
}

bool CustomersWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_table && key->modifiers() == Qt::NoModifier) {
            if (key->key() == Qt::Key_Delete) {
                deleteCustomer();
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (m_shown != 0)
                    m_editor->firstField()->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        // Down from the search goes to the list.
        if (watched == m_search && key->key() == Qt::Key_Down) {
            m_table->setFocus(Qt::OtherFocusReason);
            if (!m_table->currentIndex().isValid() && m_filter->rowCount() > 0)
                m_table->setCurrentIndex(m_filter->index(0, 0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
