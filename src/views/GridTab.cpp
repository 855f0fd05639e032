#include "GridTab.h"

#include "DataExchange.h"
#include "ItemGrid.h"

#include <QVBoxLayout>

GridTab::GridTab(unsigned templateId, QWidget* parent)
    : EditTab(templateId, parent), m_grid(new ItemGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);

    connect(m_grid, &ItemGrid::cellEdited, this,
            [this](int row, int column) { m_editChanged = CellEdited(*m_grid, row, column); });
    connect(m_grid, &ItemGrid::rowAdded, this, &GridTab::InitRow);
    connect(m_grid, &ItemGrid::contentChanged, this, [this] {
        if (m_editChanged) {
            MarkModified();
            FitColumns();
        }
        m_editChanged = true;
    });
}

void GridTab::FitColumns()
{
    QStringList samples;
    for (int i = 0; i < ColumnSamples.size(); ++i)
        samples.append(ColumnSamples[i].toQString());
    m_grid->fitColumns(samples, StretchColumn);
}

void GridTab::InitRow(int)
{
}

void GridTab::LoadRows()
{
}

void GridTab::SaveRows()
{
}

bool GridTab::CellEdited(ItemGrid&, int, int)
{
    return false;
}

void GridTab::DoDataExchange(DataExchange& dx)
{
    if (dx.failed())
        return;
    if (dx.isSaving()) {
        m_grid->endEdit();
        SaveRows();
    } else {
        LoadRows();
        FitColumns();
    }
}
