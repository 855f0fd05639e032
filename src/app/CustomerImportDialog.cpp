#include "CustomerImportDialog.h"

#include "CommandDialogs.h"
#include "customers/CustomerCsv.h"
#include "customers/CustomerDatabase.h"
#include "fileformat/TextFile.h"
#include "views/MessageHook.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using Action = CustomerImport::Action;

const char* const CustomerImportDialog::Filter =
    "Comma-separated values (*.csv)|*.csv;*.CSV|Text files (*.txt)|*.txt|All files (*.*)|*.*||";

namespace {

QString actionText(Action action)
{
    switch (action) {
    case Action::Add:
        return CustomerImportDialog::tr("Add");
    case Action::Update:
        return CustomerImportDialog::tr("Update");
    case Action::Skip:
        break;
    }
    return CustomerImportDialog::tr("Skip");
}

QString nameOf(const Customer& c)
{
    QStringList parts;
    for (const ombrel::OMString& part : {c.title, c.name, c.surname})
        if (!part.isEmpty())
            parts.append(part.toQString());
    QString name = parts.join(u' ');
    if (!c.company.isEmpty())
        name = name.isEmpty() ? c.company.toQString()
                              : QStringLiteral("%1, %2").arg(name, c.company.toQString());
    return name;
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CustomerImportDialog::CustomerImportDialog(const CustomerDatabase& db, QWidget* parent)
    : QDialog(parent), m_db(db), m_counts(new QLabel(this)),
      m_table(new QTableWidget(0, ColumnCount, this)), m_problems(new QPlainTextEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Import Customers"));
    m_counts->setWordWrap(true);
    m_table->setHorizontalHeaderLabels(
        {tr("Import"), tr("Line"), tr("Action"), tr("Customer"), tr("Postcode"), tr("Note")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(tr("Customers in the file"));
    m_problems->setReadOnly(true);
    m_problems->setAccessibleName(tr("Rows not read"));
    m_problems->setMaximumHeight(90);
    m_problems->hide();

    QPushButton* import = m_buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == TickColumn)
            updateCounts();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_counts);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_problems);
    layout->addWidget(m_buttons);
    resize(760, 440);
}

bool CustomerImportDialog::load(const QString& path, QString* error)
{
    QString reason = TextFile::notPlainFileReason(path, false);
    QByteArray bytes;
    if (!reason.isEmpty() || !TextFile::load(path, bytes, &reason)) {
        if (error)
            *error = TextFile::invalidFileMessage(path, reason);
        return false;
    }
    const CustomerCsv::Contents csv = CustomerCsv::read(bytes);
    m_plan = CustomerImport::plan(csv, m_db);
    m_unread = csv.problems;

    const QSignalBlocker quiet(m_table);
    m_table->setRowCount(int(m_plan.size()));
    for (int row = 0; row < int(m_plan.size()); ++row) {
        const CustomerImport::Entry& entry = m_plan[size_t(row)];
        auto* tick = new QTableWidgetItem;
        if (entry.action == Action::Skip) {
            tick->setFlags(Qt::ItemIsSelectable);
        } else {
            tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            tick->setCheckState(Qt::Checked);
        }
        m_table->setItem(row, TickColumn, tick);
        auto* line = cell(QString::number(entry.line));
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, LineColumn, line);
        m_table->setItem(row, ActionColumn, cell(actionText(entry.action)));
        // A skipped row shows the customer as the file names it.
        const Customer& shown = entry.action == Action::Skip && size_t(row) < csv.rows.size()
                                    ? csv.rows[size_t(row)].customer
                                    : entry.customer;
        m_table->setItem(row, NameColumn, cell(nameOf(shown)));
        m_table->setItem(row, PostcodeColumn, cell(shown.address.postcode.toQString()));
        QString note = entry.reason;
        if (entry.action == Action::Update)
            note = tr("updates customer %1").arg(entry.customer.custno);
        m_table->setItem(row, NoteColumn, cell(note));
    }
    m_table->resizeColumnsToContents();
    m_problems->setPlainText(tr("Not read:") + u'\n' + m_unread.join(u'\n'));
    m_problems->setVisible(!m_unread.isEmpty());
    updateCounts();
    return true;
}

bool CustomerImportDialog::isTicked(int row) const
{
    return m_plan[size_t(row)].action != Action::Skip &&
           m_table->item(row, TickColumn)->checkState() == Qt::Checked;
}

std::vector<Customer> CustomerImportDialog::chosen() const
{
    std::vector<Customer> result;
    for (int row = 0; row < int(m_plan.size()); ++row)
        if (isTicked(row))
            result.push_back(m_plan[size_t(row)].customer);
    return result;
}

void CustomerImportDialog::updateCounts()
{
    int add = 0, update = 0, skip = 0, unticked = 0;
    for (int row = 0; row < int(m_plan.size()); ++row) {
        const Action action = m_plan[size_t(row)].action;
        if (action == Action::Skip)
            ++skip;
        else if (m_table->item(row, TickColumn)->checkState() != Qt::Checked)
            ++unticked;
        else
            ++(action == Action::Add ? add : update);
    }
    QString text = tr("%1 to add, %2 to update, %3 skipped").arg(add).arg(update).arg(skip);
    if (unticked)
        text += tr(", %1 left out").arg(unticked);
    if (!m_unread.isEmpty())
        text += tr(", %1 not read").arg(m_unread.size());
    m_counts->setText(text + u'.');
    for (QAbstractButton* button : m_buttons->buttons())
        if (m_buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->setEnabled(add + update > 0);
}

QString CustomerImportDialog::apply(CustomerDatabase& db, const WriteFailed& writeFailed)
{
    std::vector<Customer> customers = chosen();
    int added = 0;
    for (int row = 0; row < int(m_plan.size()); ++row)
        added += isTicked(row) && m_plan[size_t(row)].action == Action::Add;
    const QString summary =
        tr("Customers added: %1; updated: %2.").arg(added).arg(int(customers.size()) - added);
    QString error;
    if (db.updateCustomers(customers, &error))
        return summary;
    if (writeFailed) {
        writeFailed(error);
        return summary;
    }
    return summary + QStringLiteral("\n\n") +
           tr("They are not in the customer database file yet: %1\n\nThey are written with the "
              "next change.")
               .arg(error);
}

bool CustomerImportDialog::run(QWidget* parent, CustomerDatabase& db, CommandDialogs& dialogs,
                               const WriteFailed& writeFailed)
{
    const QString path = dialogs.importPath(parent, QString::fromLatin1(Filter));
    if (path.isEmpty())
        return false;
    CustomerImportDialog dialog(db, parent);
    QString error;
    if (!dialog.load(path, &error)) {
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
        return false;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().empty())
        return false;
    MessageHook::show(dialog.apply(db, writeFailed), MessageHook::Information, MessageHook::Ok);
    return true;
}
