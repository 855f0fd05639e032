#include "GGridRow.h"

#include "foundation/OMException.h"

#include <string>

GGridCell& GGridRow::cell(int column)
{
    if (column < 0)
        throw ombrel::OMIndexOutOfBoundsException("cell " + std::to_string(column));
    while (int(m_cells.size()) <= column)
        m_cells.push_back(std::make_unique<GGridCell>());
    return *m_cells[size_t(column)];
}

const GGridCell* GGridRow::cellAt(int column) const
{
    if (column < 0 || column >= int(m_cells.size()))
        return nullptr;
    return m_cells[size_t(column)].get();
}
