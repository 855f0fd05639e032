#include "PricedItemsTab.h"

#include "ItemGrid.h"
#include "TabbedEditView.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

using namespace ombrel;

PricedItemsTab::PricedItemsTab(QWidget* parent) : GridTab(parent)
{
    grid()->setEntryColumn(DescColumn);
}

bool PricedItemsTab::hasVatColumn() const
{
    return ownerView() && ownerView()->vatFlag();
}

void PricedItemsTab::formatRow(int row)
{
    ItemGrid& g = *grid();
    g.setAlignment(row, QtyColumn, Qt::AlignHCenter);
    g.setAlignment(row, PriceColumn, Qt::AlignRight);
    if (m_vatShown)
        g.setAlignment(row, VatColumn, Qt::AlignRight);
    g.setAlignment(row, totalColumn(), Qt::AlignRight);
    g.setReadOnly(row, totalColumn(), true);
}

void PricedItemsTab::setRowTexts(int row, const JobItem& item)
{
    ItemGrid& g = *grid();
    g.setText(row, QtyColumn, item.quantityText().toQString());
    g.setText(row, DescColumn, item.desc.toQString());
    g.setText(row, PriceColumn, item.price.toString().toQString());
    if (m_vatShown)
        g.setText(row, VatColumn, item.rate.toText(false).toQString());
    g.setText(row, totalColumn(), item.lineTotal().toString().toQString());
}

void PricedItemsTab::initRow(int row)
{
    formatRow(row);
    JobItem item;
    if (m_vatShown)
        item.rate = SettingsStore::standardVATRate();
    setRowTexts(row, item);
}

void PricedItemsTab::loadRows()
{
    if (!m_items)
        return;
    m_vatShown = hasVatColumn();
    m_columnSamples.clear();
    m_columnSamples.add("8888");
    m_columnSamples.add("");
    m_columnSamples.add("8888.88");
    if (m_vatShown)
        m_columnSamples.add("88.8");
    m_columnSamples.add("8888.88");
    m_stretchColumn = DescColumn;

    m_loaded.clear();
    m_items->forEach([this](const JobItem& item) { m_loaded.append(item); });

    const OMString currency = SettingsStore::currencySymbol();
    ItemGrid& g = *grid();
    ItemGrid::Fill fill(g, m_vatShown ? 5 : 4);
    g.setHeader(QtyColumn, StringTable::text(IDS_GRID_QTY).toQString(), Qt::AlignHCenter);
    g.setHeader(DescColumn, StringTable::text(IDS_GRID_DESCRIPTION).toQString(), Qt::AlignLeft);
    g.setHeader(PriceColumn,
                OMString::format(StringTable::text(IDS_GRID_UNIT_PRICE).c_str(), currency.c_str())
                    .toQString(),
                Qt::AlignRight);
    if (m_vatShown)
        g.setHeader(VatColumn, StringTable::text(IDS_GRID_VAT).toQString(), Qt::AlignRight);
    g.setHeader(
        totalColumn(),
        OMString::format(StringTable::text(IDS_GRID_TOTAL).c_str(), currency.c_str()).toQString(),
        Qt::AlignRight);
    for (int i = 0; i < m_loaded.size(); ++i) {
        const int row = g.appendRow();
        formatRow(row);
        setRowTexts(row, m_loaded[i]);
        g.setRowValue(row, i);
    }
    initRow(g.appendRow());
}

JobItem PricedItemsTab::rowItem(int row) const
{
    const ItemGrid& g = *grid();
    JobItem item;
    const QVariant source = g.rowValue(row);
    if (source.isValid() && source.toInt() >= 0 && source.toInt() < m_loaded.size())
        item = m_loaded[source.toInt()];
    item.desc = OMString::fromQString(g.text(row, DescColumn));
    item.count = OMDouble::fromText(OMString::fromQString(g.text(row, QtyColumn)));
    item.price = OMMoney(OMString::fromQString(g.text(row, PriceColumn)));
    if (m_vatShown)
        item.rate = Percentage::parseText(OMString::fromQString(g.text(row, VatColumn)));
    return item;
}

bool PricedItemsTab::cellEdited(ItemGrid&, int row, int column)
{
    if (column == QtyColumn || column == PriceColumn || (m_vatShown && column == VatColumn)) {
        const JobItem item = rowItem(row);
        setRowTexts(row, item);
    }
    // The description alone is a change too; a description typed into the
    // entry row makes the grid add the next entry row.
    return true;
}

void PricedItemsTab::saveRows()
{
    // Never loaded: the grid holds nothing of the list to save.
    if (!m_items || grid()->columnCount() == 0)
        return;
    m_items->clear();
    for (int row = ItemGrid::fixedRowCount(); row < grid()->rowCount(); ++row) {
        if (grid()->text(row, DescColumn).isEmpty())
            continue;
        m_items->add(rowItem(row));
    }
}
