#include "CreditNoteDialog.h"

#include "foundation/OMMoney.h"
#include "records/JobInvoice.h"
#include "views/MessageHook.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using ombrel::OMMoney;
using ombrel::OMString;

namespace {

enum Column { LineColumn, InvoicedColumn, CreditColumn };

} // namespace

CreditNoteDialog::CreditNoteDialog(const JobInvoice& invoice, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(this))
{
    setWindowTitle(tr("New Credit Note from %1 %2")
                       .arg(QLatin1String(invoice.kind().title), invoice.docReference.toQString()));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Tick the &lines to credit, and change the amount to credit "
                                "part of a line (before VAT, at the line's rate):"),
                             this);
    label->setWordWrap(true);
    label->setBuddy(m_table);
    layout->addWidget(label);

    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Line"), tr("Invoiced"), tr("Credit")});
    m_table->setAccessibleName(tr("Lines to credit"));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(LineColumn, QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    invoice.items.forEach([this](const JobItem& line) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        const OMMoney total = line.lineTotal();
        m_totals.push_back(total);
        auto* name = new QTableWidgetItem(line.desc.toQString().section(u'\n', 0, 0));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        name->setCheckState(Qt::Checked);
        m_table->setItem(row, LineColumn, name);
        auto* invoiced = new QTableWidgetItem(total.toString().toQString());
        invoiced->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        invoiced->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, InvoicedColumn, invoiced);
        auto* credit = new QTableWidgetItem(total.toPlainString().toQString());
        credit->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, CreditColumn, credit);
    });
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(LineColumn, QHeaderView::Stretch);
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CreditNoteDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 360);
}

void CreditNoteDialog::accept()
{
    std::vector<JobCreditNote::Choice> choices;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, LineColumn)->checkState() != Qt::Checked)
            continue;
        const QString text = m_table->item(row, CreditColumn)->text().trimmed();
        const OMMoney invoiced = m_totals[size_t(row)];
        const OMMoney amount(OMString::fromQString(text));
        const bool whole = amount == invoiced;
        // A part is less than the line, in the line's direction.
        const bool part =
            amount != OMMoney() && (invoiced > OMMoney() ? amount < invoiced : amount > invoiced);
        if (!whole && !part) {
            MessageHook::show(tr("%1 cannot be credited on line %2: give an amount up to the "
                                 "%3 invoiced, or untick the line.")
                                  .arg(text.isEmpty() ? tr("Nothing") : text)
                                  .arg(row + 1)
                                  .arg(invoiced.toString().toQString()),
                              MessageHook::Warning, MessageHook::Ok);
            m_table->setCurrentCell(row, CreditColumn);
            return;
        }
        choices.push_back({row, whole ? std::nullopt : std::optional<OMMoney>(amount)});
    }
    if (choices.empty()) {
        MessageHook::show(tr("Tick at least one line to credit."), MessageHook::Warning,
                          MessageHook::Ok);
        return;
    }
    m_choices = std::move(choices);
    QDialog::accept();
}
