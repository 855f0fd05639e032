#include "PaymentsTab.h"

#include "ItemGrid.h"
#include "MessageHook.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QTimer>

using namespace ombrel;

PaymentsTab::PaymentsTab(QWidget* parent) : GridTab(parent)
{
    grid()->setEntryColumn(DescColumn);
    grid()->setAccessibleName(StringTable::text(IDS_TAB_PAYMENTS).toQString());
}

void PaymentsTab::formatRow(int row)
{
    grid()->setAlignment(row, DateColumn, Qt::AlignHCenter);
    grid()->setAlignment(row, AmountColumn, Qt::AlignRight);
}

void PaymentsTab::initRow(int row)
{
    formatRow(row);
    grid()->setText(row, AmountColumn, OMMoney().toString().toQString());
}

void PaymentsTab::loadRows()
{
    if (!m_payments)
        return;
    m_columnSamples.clear();
    m_columnSamples.append(QStringLiteral("00/00/0000"));
    m_columnSamples.append(QStringLiteral(""));
    m_columnSamples.append(QStringLiteral("8888.88"));
    m_stretchColumn = DescColumn;

    const OMString format = SettingsStore::dateFormat();
    ItemGrid& g = *grid();
    ItemGrid::Fill fill(g, 3);
    g.setHeader(DateColumn, StringTable::text(IDS_GRID_DATE).toQString(), Qt::AlignHCenter);
    g.setHeader(DescColumn, StringTable::text(IDS_GRID_DESCRIPTION).toQString(), Qt::AlignLeft);
    g.setHeader(AmountColumn,
                OMString::format(StringTable::text(IDS_GRID_AMOUNT).c_str(),
                                 SettingsStore::currencySymbol().c_str())
                    .toQString(),
                Qt::AlignRight);
    m_payments->forEach([&](const JobItem& payment) {
        const int row = g.appendRow();
        formatRow(row);
        g.setText(row, DateColumn, payment.date.toString(format).toQString());
        g.setText(row, DescColumn, payment.desc.toQString());
        g.setText(row, AmountColumn, payment.price.toString().toQString());
        g.setRowItem(row, payment);
    });
    initRow(g.appendRow());
}

bool PaymentsTab::cellEdited(ItemGrid& g, int row, int column)
{
    JobItem payment = g.rowItem(row);
    const OMString text = OMString::fromQString(g.text(row, column));
    if (column == AmountColumn) {
        payment.price = OMMoney(text);
        g.setText(row, AmountColumn, payment.price.toString().toQString());
    } else if (column == DescColumn) {
        payment.desc = text;
    } else if (column == DateColumn) {
        const SettingsStore::DateEntry entry = SettingsStore::parseDateEntry(text);
        if (entry.ok()) {
            g.setText(row, DateColumn, entry.text.toQString());
        } else {
            // Shown once the editor has closed: a message box opened while the
            // grid commits its editor would take the focus from that editor.
            const OMString error = entry.error;
            QTimer::singleShot(0, this, [error] {
                MessageHook::show(error.toQString(), MessageHook::Warning, MessageHook::Ok);
            });
        }
        // The date as the cell shows it; one kept as typed reads as no date.
        OMDate date;
        date.set(OMString::fromQString(g.text(row, DateColumn)), SettingsStore::dateFormat());
        payment.date = date;
    }
    g.setRowItem(row, payment);
    // An amount or a date makes the entry row a payment as a description
    // does (the grid itself watches the description): open the next one.
    if (g.isEntryRow(row) && (payment.price != OMMoney() || !g.text(row, DateColumn).isEmpty()))
        initRow(g.appendRow());
    return true;
}

void PaymentsTab::saveRows()
{
    if (!m_payments || grid()->columnCount() == 0)
        return;
    const ItemGrid& g = *grid();
    m_payments->clear();
    for (int row = ItemGrid::fixedRowCount(); row < g.rowCount(); ++row) {
        const JobItem& payment = g.rowItem(row);
        // A payment without a description still counts when it has an amount
        // or a date; only a row with none of them is an empty row.
        if (payment.desc.isEmpty() && payment.price == OMMoney() && payment.date.isEmpty())
            continue;
        m_payments->add(payment);
    }
}
