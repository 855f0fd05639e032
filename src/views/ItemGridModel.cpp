#include "ItemGridModel.h"

#include <QFontMetrics>
#include <algorithm>

ItemGridModel::ItemGridModel(QObject* parent) : QAbstractTableModel(parent)
{
}

int ItemGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ItemGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

bool ItemGridModel::valid(int row, int column) const
{
    return row >= 0 && row < m_rows.size() && column >= 0 && column < m_columns;
}

QVariant ItemGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !valid(index.row(), index.column()))
        return {};
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return c.text;
    case Qt::TextAlignmentRole:
        return int(c.alignment);
    default:
        return {};
    }
}

bool ItemGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !valid(index.row(), index.column()))
        return false;
    Cell& c = cell(index.row(), index.column());
    if (c.readOnly)
        return false;
    const QString text = value.toString();
    if (text == c.text)
        return true; // looked at, not changed
    c.text = text;
    c.width = -1;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit textEdited(index.row(), index.column());
    return true;
}

Qt::ItemFlags ItemGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !valid(index.row(), index.column()))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!cell(index.row(), index.column()).readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ItemGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < m_rows.size())
            return section + 1;
        return {};
    }
    if (section < 0 || section >= m_headers.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_headers[section].text;
    case Qt::TextAlignmentRole:
        return int(m_headers[section].alignment);
    default:
        return {};
    }
}

void ItemGridModel::beginFill(int columns)
{
    if (!m_filling)
        beginResetModel();
    m_filling = true;
    m_columns = std::max(0, columns);
    m_rows.clear();
    m_headers = QList<Header>(m_columns);
}

void ItemGridModel::endFill()
{
    if (!m_filling)
        return;
    m_filling = false;
    endResetModel();
}

void ItemGridModel::insertRow(int row)
{
    row = std::clamp(row, 0, int(m_rows.size()));
    if (!m_filling)
        beginInsertRows({}, row, row);
    m_rows.insert(row, Row{QList<Cell>(m_columns), {}});
    if (!m_filling)
        endInsertRows();
}

void ItemGridModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    if (!m_filling)
        beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    if (!m_filling)
        endRemoveRows();
}

void ItemGridModel::swapRows(int a, int b)
{
    if (a < 0 || b < 0 || a >= m_rows.size() || b >= m_rows.size() || a == b)
        return;
    m_rows.swapItemsAt(a, b);
    if (m_filling)
        return;
    const int first = std::min(a, b), last = std::max(a, b);
    emit dataChanged(index(first, 0), index(last, m_columns - 1));
}

QString ItemGridModel::text(int row, int column) const
{
    return valid(row, column) ? cell(row, column).text : QString();
}

void ItemGridModel::setText(int row, int column, const QString& text)
{
    if (!valid(row, column))
        return;
    Cell& c = cell(row, column);
    if (c.text == text)
        return;
    c.text = text;
    c.width = -1;
    if (m_filling)
        return;
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void ItemGridModel::setAlignment(int row, int column, Qt::Alignment alignment)
{
    if (!valid(row, column))
        return;
    cell(row, column).alignment = alignment;
    if (m_filling)
        return;
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::TextAlignmentRole});
}

void ItemGridModel::setReadOnly(int row, int column, bool readOnly)
{
    if (valid(row, column))
        cell(row, column).readOnly = readOnly;
}

bool ItemGridModel::isReadOnly(int row, int column) const
{
    return valid(row, column) && cell(row, column).readOnly;
}

const JobItem& ItemGridModel::rowItem(int row) const
{
    static const JobItem none;
    return row >= 0 && row < m_rows.size() ? m_rows[row].item : none;
}

void ItemGridModel::setRowItem(int row, const JobItem& item)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].item = item;
}

QString ItemGridModel::headerText(int column) const
{
    return column >= 0 && column < m_headers.size() ? m_headers[column].text : QString();
}

void ItemGridModel::setHeader(int column, const QString& text, Qt::Alignment alignment)
{
    if (column < 0 || column >= m_headers.size())
        return;
    m_headers[column] = Header{text, alignment};
    if (!m_filling)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

QList<int> ItemGridModel::columnTextWidths(const QFont& font) const
{
    const QString key = font.key();
    const bool fontChanged = key != m_measuredFont;
    m_measuredFont = key;
    const QFontMetrics metrics(font);
    QList<int> widths(m_columns, 0);
    for (const Row& row : m_rows) {
        for (int c = 0; c < m_columns; ++c) {
            const Cell& cell = row.cells[c];
            if (cell.width < 0 || fontChanged)
                cell.width = cell.text.isEmpty() ? 0 : metrics.horizontalAdvance(cell.text);
            widths[c] = std::max(widths[c], cell.width);
        }
    }
    return widths;
}
