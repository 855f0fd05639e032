#include "PricedItemsTab.h"

#include "ItemGrid.h"
#include "TabbedEditView.h"
#include "resources/StringTable.h"
#include "settings/NumberEntry.h"
#include "settings/SettingsStore.h"

#include <cstdlib>
#include <utility>

using namespace ombrel;

namespace {

QString cisText(const JobItem& item)
{
    return StringTable::text(item.isCisLabour() ? IDS_GRID_CIS_LABOUR : IDS_GRID_CIS_MATERIALS)
        .toQString();
}

// "L", "lab", "Labour" or "M", "mat", "Materials" (any case); Unset for anything else.
JobItem::CisPart cisPartOf(const QString& text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return JobItem::CisPart::Unset;
    for (const auto& [id, part] : {std::pair{IDS_GRID_CIS_LABOUR, JobItem::CisPart::Labour},
                                   std::pair{IDS_GRID_CIS_MATERIALS, JobItem::CisPart::Materials}})
        if (StringTable::text(id).toQString().startsWith(typed, Qt::CaseInsensitive))
            return part;
    return JobItem::CisPart::Unset;
}

} // namespace

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
    if (m_cisShown)
        g.setAlignment(row, cisColumn(), Qt::AlignHCenter);
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
    if (m_cisShown)
        g.setText(row, cisColumn(), cisText(item));
}

void PricedItemsTab::initRow(int row)
{
    formatRow(row);
    JobItem item;
    if (m_vatShown)
        item.rate = SettingsStore::standardVATRate();
    grid()->setRowItem(row, item);
    setRowTexts(row, item);
}

void PricedItemsTab::loadRows()
{
    if (!m_items)
        return;
    m_vatShown = hasVatColumn();
    m_columnSamples.clear();
    m_columnSamples.append(QStringLiteral("8888"));
    m_columnSamples.append(QStringLiteral(""));
    m_columnSamples.append(QStringLiteral("8888.88"));
    if (m_vatShown)
        m_columnSamples.append(QStringLiteral("88.8"));
    m_columnSamples.append(QStringLiteral("8888.88"));
    if (m_cisShown)
        m_columnSamples.append(StringTable::text(IDS_GRID_CIS_MATERIALS).toQString());
    m_stretchColumn = DescColumn;

    const OMString currency = SettingsStore::currencySymbol();
    ItemGrid& g = *grid();
    ItemGrid::Fill fill(g, (m_vatShown ? 5 : 4) + (m_cisShown ? 1 : 0));
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
    if (m_cisShown)
        g.setHeader(cisColumn(), StringTable::text(IDS_GRID_CIS).toQString(), Qt::AlignHCenter);
    m_items->forEach([&](const JobItem& item) {
        const int row = g.appendRow();
        formatRow(row);
        setRowTexts(row, item);
        g.setRowItem(row, item);
    });
    initRow(g.appendRow());
}

int PricedItemsTab::decimalsOf(int column) const
{
    if (column == QtyColumn)
        return 6; // as the cell shows a quantity
    if (column == PriceColumn || (m_vatShown && column == VatColumn))
        return 2;
    return -1;
}

void PricedItemsTab::setFigure(JobItem& item, int column, const QString& number) const
{
    const OMString text = OMString::fromQString(number);
    if (column == QtyColumn)
        item.count = OMDouble::fromText(text);
    else if (column == PriceColumn)
        item.price = OMMoney(text);
    else if (m_vatShown && column == VatColumn)
        item.rate = Percentage::parseText(text);
}

QString PricedItemsTab::cellRefusal(const ItemGrid& g, int row, int column,
                                    const QString& text) const
{
    if (m_cisShown && column == cisColumn())
        return cisPartOf(text) == JobItem::CisPart::Unset
                   ? StringTable::text(IDS_GRID_CIS_REFUSED).toQString()
                   : QString();
    const int decimals = decimalsOf(column);
    if (decimals < 0)
        return {};
    const NumberEntry entry = readFigure(text, decimals);
    if (!entry.ok())
        return entry.error;
    JobItem item = g.rowItem(row);
    setFigure(item, column, entry.number);
    // A rate past 1,000 % would take the VAT of a bound total past the bound
    // tenfold; none is real.
    if (column == VatColumn && std::abs(item.rate.value()) > 100000)
        return NumberEntry::beyondBoundMessage(text);
    if (!withinBound(g, row, item, [](const JobItem& i) { return i.lineTotal(); }))
        return NumberEntry::beyondBoundMessage(text);
    return {};
}

bool PricedItemsTab::cellEdited(ItemGrid& g, int row, int column)
{
    JobItem item = g.rowItem(row);
    const QString text = g.text(row, column);
    if (column == DescColumn) {
        // The description alone is a change too; a description typed into the
        // entry row makes the grid add the next entry row.
        item.desc = OMString::fromQString(text);
        g.setRowItem(row, item);
        return true;
    }
    if (m_cisShown && column == cisColumn())
        item.cisPart = cisPartOf(text);
    // The cell took the text only once it read exactly (cellRefusal).
    if (const int decimals = decimalsOf(column); decimals >= 0)
        setFigure(item, column, NumberEntry::read(text, decimals).number);
    g.setRowItem(row, item);
    setRowTexts(row, item);
    return true;
}

void PricedItemsTab::saveRows()
{
    // Never loaded: the grid holds nothing of the list to save.
    if (!m_items || grid()->columnCount() == 0)
        return;
    const ItemGrid& g = *grid();
    m_items->clear();
    for (int row = ItemGrid::fixedRowCount(); row < g.rowCount(); ++row) {
        const JobItem& item = g.rowItem(row);
        if (!item.desc.isEmpty())
            m_items->add(item);
    }
}
