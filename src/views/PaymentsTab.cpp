#include "PaymentsTab.h"

#include "ItemGrid.h"
#include "resources/StringTable.h"
#include "settings/NumberEntry.h"
#include "settings/SettingsStore.h"

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
    grid()->setAlignment(row, DeductionColumn, Qt::AlignRight);
}

void PaymentsTab::initRow(int row)
{
    formatRow(row);
    grid()->setText(row, AmountColumn, OMMoney().toString().toQString());
    grid()->setText(row, DeductionColumn, OMMoney().toString().toQString());
}

void PaymentsTab::loadRows()
{
    if (!m_payments)
        return;
    m_columnSamples.clear();
    m_columnSamples.append(QStringLiteral("00/00/0000"));
    m_columnSamples.append(QStringLiteral(""));
    m_columnSamples.append(QStringLiteral("8888.88"));
    m_columnSamples.append(QStringLiteral("8888.88"));
    m_stretchColumn = DescColumn;

    const OMString format = SettingsStore::dateFormat();
    const OMString currency = SettingsStore::currencySymbol();
    ItemGrid& g = *grid();
    ItemGrid::Fill fill(g, 4);
    g.setHeader(DateColumn, StringTable::text(IDS_GRID_DATE).toQString(), Qt::AlignHCenter);
    g.setHeader(DescColumn, StringTable::text(IDS_GRID_DESCRIPTION).toQString(), Qt::AlignLeft);
    g.setHeader(
        AmountColumn,
        OMString::format(StringTable::text(IDS_GRID_AMOUNT).c_str(), currency.c_str()).toQString(),
        Qt::AlignRight);
    g.setHeader(DeductionColumn,
                OMString::format(StringTable::text(IDS_GRID_CIS_DEDUCTED).c_str(), currency.c_str())
                    .toQString(),
                Qt::AlignRight);
    m_payments->forEach([&](const JobItem& payment) {
        const int row = g.appendRow();
        formatRow(row);
        g.setText(row, DateColumn, payment.date.toString(format).toQString());
        g.setText(row, DescColumn, payment.desc.toQString());
        g.setText(row, AmountColumn, payment.price.toString().toQString());
        g.setText(row, DeductionColumn, payment.deduction.toString().toQString());
        g.setRowItem(row, payment);
    });
    initRow(g.appendRow());
}

QString PaymentsTab::cellRefusal(const ItemGrid& g, int row, int column, const QString& text) const
{
    if (column == DateColumn) {
        const SettingsStore::DateEntry entry =
            SettingsStore::parseDateEntry(OMString::fromQString(text));
        return entry.error.toQString();
    }
    if (column != AmountColumn && column != DeductionColumn)
        return {};
    const NumberEntry entry = NumberEntry::read(text, 2);
    if (!entry.ok())
        return entry.error;
    JobItem payment = g.rowItem(row);
    (column == AmountColumn ? payment.price : payment.deduction) =
        OMMoney(OMString::fromQString(entry.number));
    if (!withinBound(g, row, payment, [](const JobItem& p) { return p.price + p.deduction; }))
        return NumberEntry::beyondBoundMessage(text);
    return {};
}

bool PaymentsTab::cellEdited(ItemGrid& g, int row, int column)
{
    JobItem payment = g.rowItem(row);
    const QString text = g.text(row, column);
    // The cell took the text only once it read (cellRefusal).
    if (column == AmountColumn) {
        payment.price = OMMoney(OMString::fromQString(NumberEntry::read(text, 2).number));
        g.setText(row, AmountColumn, payment.price.toString().toQString());
    } else if (column == DeductionColumn) {
        payment.deduction = OMMoney(OMString::fromQString(NumberEntry::read(text, 2).number));
        g.setText(row, DeductionColumn, payment.deduction.toString().toQString());
    } else if (column == DescColumn) {
        payment.desc = OMString::fromQString(text);
    } else if (column == DateColumn) {
        const SettingsStore::DateEntry entry =
            SettingsStore::parseDateEntry(OMString::fromQString(text));
        g.setText(row, DateColumn, entry.text.toQString());
        payment.date = entry.date;
    }
    g.setRowItem(row, payment);
    // An amount or a date makes the entry row a payment as a description
    // does (the grid itself watches the description): open the next one.
    if (g.isEntryRow(row) && (payment.price != OMMoney() || payment.deduction != OMMoney() ||
                              !g.text(row, DateColumn).isEmpty()))
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
        if (payment.desc.isEmpty() && payment.price == OMMoney() &&
            payment.deduction == OMMoney() && payment.date.isEmpty())
            continue;
        m_payments->add(payment);
    }
}
