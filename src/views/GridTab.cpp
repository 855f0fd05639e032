#include "GridTab.h"

#include "DataExchange.h"
#include "ItemGrid.h"

#include <QVBoxLayout>

GridTab::GridTab(QWidget* parent) : EditTab(parent), m_grid(new ItemGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);

    connect(m_grid, &ItemGrid::cellEdited, this,
            [this](int row, int column) { m_editChanged = cellEdited(*m_grid, row, column); });
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

void GridTab::exchangeData(DataExchange& dx)
{
    if (dx.failed())
        return;
    if (dx.isSaving()) {
        m_grid->endEdit();
        saveRows();
    } else {
        loadRows();
        fitColumns();
    }
}
