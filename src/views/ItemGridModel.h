#pragma once

#include "records/JobItem.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QList>
#include <QString>
#include <QVariant>

/**
 * The cells of an ItemGrid: text, alignment and a read-only flag per cell, the
 * header texts and alignments per column, and the item each row stands for
 * (it moves with its row). Rows here count from 0 without the header;
 * ItemGrid adds the header as its row 0.
 *
 * Text set through setText is the program filling the grid; only setData
 * (an editor committing) reports textEdited, and only when the text changed.
 * The owner parses the committed text into the row's item then, so the item
 * always holds what the row shows and is read without parsing any text.
 */
class ItemGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ItemGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /// Removes every row and sets the number of columns (headers cleared).
    /// Until endFill the model tells its views nothing, so filling many rows
    /// costs no view updates; endFill shows the result at once.
    void beginFill(int columns);
    void endFill();
    /// Inserts an empty row before `row` (rowCount() appends).
    void insertRow(int row);
    void removeRow(int row);
    void swapRows(int a, int b);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setAlignment(int row, int column, Qt::Alignment alignment);
    void setReadOnly(int row, int column, bool readOnly);
    bool isReadOnly(int row, int column) const;
    /// The row's item; an empty one for a row that does not exist. A new
    /// row starts with an empty item.
    const JobItem& rowItem(int row) const;
    void setRowItem(int row, const JobItem& item);

    QString headerText(int column) const;
    void setHeader(int column, const QString& text, Qt::Alignment alignment);

    /// The widest text of each column in `font`, header excluded. Each cell
    /// is measured once and remembered until its text or the font changes.
    QList<int> columnTextWidths(const QFont& font) const;

signals:
    /// An editor changed the text of (row, column).
    void textEdited(int row, int column);

private:
    struct Cell
    {
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        bool readOnly = false;
        mutable int width = -1; // measured text width, -1 until measured
    };
    struct Row
    {
        QList<Cell> cells;
        JobItem item;
    };
    struct Header
    {
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    bool valid(int row, int column) const;
    Cell& cell(int row, int column) { return m_rows[row].cells[column]; }
    const Cell& cell(int row, int column) const { return m_rows[row].cells[column]; }

    int m_columns = 0;
    QList<Row> m_rows;
    QList<Header> m_headers;
    mutable QString m_measuredFont; // QFont::key() of the remembered widths
    bool m_filling = false;
};
