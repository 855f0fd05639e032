#include "GridTab.h"

#include "DataExchange.h"
#include "ItemGrid.h"
#include "foundation/OMDouble.h"

#include <QVBoxLayout>
#include <cmath>

GridTab::GridTab(QWidget* parent) : EditTab(parent), m_grid(new ItemGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);

    connect(m_grid, &ItemGrid::cellEdited, this,
            [this](int row, int column) { m_editChanged = cellEdited(*m_grid, row, column); });
    m_grid->setCellCheck([this](int row, int column, const QString& text) {
        return cellRefusal(*m_grid, row, column, text);
    });
    connect(m_grid, &ItemGrid::rowAdded, this, &GridTab::initRow);
    connect(m_grid, &ItemGrid::contentChanged, this, [this] {
        if (m_editChanged) {
            markModified();
            fitColumns();
            emit committed();
        }
        m_editChanged = true;
    });
}

void GridTab::fitColumns()
{
    m_grid->fitColumns(m_columnSamples, m_stretchColumn);
}

void GridTab::initRow(int)
{
}

void GridTab::loadRows()
{
}

void GridTab::saveRows()
{
}

bool GridTab::cellEdited(ItemGrid&, int, int)
{
    return false;
}

QString GridTab::cellRefusal(const ItemGrid&, int, int, const QString&) const
{
    return {};
}

NumberEntry GridTab::readFigure(const QString& text, int decimals, const QLocale& locale)
{
    NumberEntry entry = NumberEntry::read(text, decimals, locale);
    if (entry.ok() && decimals == 6 &&
        std::abs(entry.number.toDouble()) > ombrel::OMDouble::MaxMagnitude) {
        entry.number.clear();
        entry.error = NumberEntry::beyondBoundMessage(text);
    }
    return entry;
}

bool GridTab::withinBound(const ItemGrid& grid, int row, const JobItem& candidate,
                          ombrel::OMMoney (*amount)(const JobItem&))
{
    int64_t sum = 0;
    for (int r = ItemGrid::fixedRowCount(); r < grid.rowCount(); ++r) {
        const int64_t value = amount(r == row ? candidate : grid.rowItem(r)).value();
        if (!NumberEntry::withinBound(value))
            return false;
        // Each term is within the bound, so the sum cannot overflow before
        // it passes it.
        sum += value < 0 ? -value : value;
        if (!NumberEntry::withinBound(sum))
            return false;
    }
    return true;
}

void GridTab::exchangeData(DataExchange& dx)
{
    if (dx.failed())
        return;
    if (dx.isSaving()) {
        if (!m_grid->endEdit()) {
            dx.fail(m_grid->cellEditor(), m_grid->editRefusal());
            return;
        }
        saveRows();
    } else {
        loadRows();
        fitColumns();
    }
}
