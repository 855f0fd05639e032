#include "GridTab.h"

#include "DataExchange.h"
#include "ItemGrid.h"

#include <QVBoxLayout>

EditTabGrid::EditTabGrid(unsigned templateId, QWidget* parent)
    : EditTab(templateId, parent), m_grid(new CGridCtrl(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);

    connect(m_grid, &CGridCtrl::cellEdited, this,
            [this](int row, int column) { m_editChanged = CellEdited(*m_grid, row, column); });
    connect(m_grid, &CGridCtrl::rowAdded, this, &EditTabGrid::InitRow);
    connect(m_grid, &CGridCtrl::contentChanged, this, [this] {
        if (m_editChanged) {
            MarkModified();
            FitColumns();
        }
        m_editChanged = true;
    });
}

void EditTabGrid::FitColumns()
{
    QStringList samples;
    for (int i = 0; i < ColumnSamples.size(); ++i)
        samples.append(ColumnSamples[i].toQString());
    m_grid->fitColumns(samples, StretchColumn);
}

void EditTabGrid::InitRow(int)
{
}

void EditTabGrid::LoadRows()
{
}

void EditTabGrid::SaveRows()
{
}

bool EditTabGrid::CellEdited(CGridCtrl&, int, int)
{
    return false;
}

void EditTabGrid::DoDataExchange(DataExchange& dx)
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
