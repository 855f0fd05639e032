#pragma once

#include <QStringList>
#include <QTableView>

#include <functional>

class ItemGridDelegate;
class ItemGridModel;
class JobItem;
class QKeyEvent;
class QMenu;

/**
 * An editable grid of text cells over a ItemGridModel.
 *
 * Rows are numbered as the tabs see them: row 0 is the fixed header row (the
 * view's horizontal header, so its texts are the model's headerData), item
 * rows follow from 1, and the last row is the entry row. Model row m is grid
 * row m + 1.
 *
 * Usage:
 *
 *     auto* grid = new ItemGrid(this);
 *     grid->setAccessibleName(tr("Other hourly charges"));
 *     grid->setEntryColumn(0);                     // a text here grows the entry row
 *     connect(grid, &ItemGrid::cellEdited, this, ...);  // parse into the row's item, normalise
 *     connect(grid, &ItemGrid::rowAdded, this, ...);    // give a new row its defaults
 *     connect(grid, &ItemGrid::contentChanged, this, [this] { markModified(); });
 *
 *     {
 *         ItemGrid::Fill fill(*grid, 4);          // empties the grid, 4 columns
 *         grid->setHeader(0, "Description", Qt::AlignLeft);
 *         int r = grid->appendRow();               // 1, 2, ...
 *         grid->setText(r, 1, "1.50");
 *         grid->setAlignment(r, 1, Qt::AlignRight);
 *         grid->setReadOnly(r, 3, true);
 *     }                                            // the view shows the rows
 *     grid->fitColumns({"", "8888", "8888.88", "8888.88"}, 0);
 *
 * Only what the user types reports cellEdited (and only when the text
 * changed); texts the program sets never do. The row commands (insert
 * Ctrl+Num +, delete Ctrl+Num -, move up Ctrl+Shift+Num -, move down
 * Ctrl+Shift+Num +; also Ctrl++, Ctrl+-, Alt+Up, Alt+Down) work while the focus
 * is in the grid and from its context menu. Tab on the last cell and Shift+Tab
 * on the first leave the grid and clear its selection.
 */
class ItemGrid : public QTableView
{
    Q_OBJECT

public:
    enum RowCommand { NoCommand, InsertRow, DeleteRow, MoveRowUp, MoveRowDown };

    explicit ItemGrid(QWidget* parent = nullptr);
    using QTableView::edit;

    ItemGridModel* gridModel() const { return m_model; }

    /// While one lives, the grid is emptied to `columns` columns and filled
    /// without view updates; the rows appear when it ends.
    class Fill
    {
    public:
        Fill(ItemGrid& grid, int columns);
        ~Fill();
        Fill(const Fill&) = delete;
        Fill& operator=(const Fill&) = delete;

    private:
        ItemGrid& m_grid;
    };

    /// Rows including the header row 0.
    int rowCount() const;
    int columnCount() const;
    static constexpr int fixedRowCount() { return 1; }
    /// Whether `row` is the last row (and not the header).
    bool isEntryRow(int row) const;

    /// Appends an empty row; returns its number.
    int appendRow();
    /// Inserts an empty row before `row` (>= 1); returns its number.
    int insertRow(int row);
    void deleteRow(int row);

    /// Row 0 gives and takes the header texts and alignments.
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setAlignment(int row, int column, Qt::Alignment alignment);
    void setHeader(int column, const QString& text, Qt::Alignment alignment);
    void setReadOnly(int row, int column, bool readOnly);
    bool isReadOnly(int row, int column) const;
    /// The item the owner keeps with a row, parsed from its cells as they
    /// are committed; it moves with the row.
    void setRowItem(int row, const JobItem& item);
    const JobItem& rowItem(int row) const;

    /// The column whose text, typed into the entry row, makes it an item row
    /// and appends a new entry row (-1: the entry row never grows).
    void setEntryColumn(int column) { m_entryColumn = column; }

    /// The cell with the keyboard focus; row 0 when there is none.
    int focusRow() const;
    int focusColumn() const;
    void setFocusCell(int row, int column);

    /// Why `text` may not go into (row, column); empty when it may. The
    /// grid asks before an editor commits: a refused text stays in the open
    /// editor, marked, with the focus, and is never committed.
    using CellCheck = std::function<QString(int row, int column, const QString& text)>;
    void setCellCheck(CellCheck check);

    /// Ends a cell edit in progress, keeping what was typed. False when the
    /// check refuses it: the editor stays open (see editRefusal()).
    bool endEdit();
    /// Why the open editor's text is refused; empty when it is not.
    QString editRefusal() const;
    /// Closes the cell editor without taking what it holds.
    void discardEdit();
    /// The cell editor open now, or null.
    QWidget* cellEditor() const;

    /**
     * Each column as wide as the wider of its sample text and its widest text
     * (header included); when they leave room, `stretchColumn` (if a column)
     * takes the rest of the width. Remembered and repeated on every resize.
     * Each cell text is measured once until it changes.
     */
    void fitColumns(const QStringList& samples, int stretchColumn);

    /// The row command a key stands for.
    static RowCommand commandForKey(int key, Qt::KeyboardModifiers modifiers);
    bool canRun(RowCommand command) const;
    /// Runs a row command on the focus row when its condition holds.
    void run(RowCommand command);

    /// A menu of the row commands, enabled as they apply now.
    QMenu* createContextMenu(QWidget* parent);

signals:
    /// The user changed the text of (row, column): parse it into the row's
    /// item, normalise and recompute.
    void cellEdited(int row, int column);
    /// A row the user made (entry row grown, insert command) needs defaults.
    void rowAdded(int row);
    /// After every user change: a cell edit or a row command.
    void contentChanged();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onTextEdited(int modelRow, int column);
    /// Whether moving forward (backward) from the current cell leaves the grid.
    bool atBoundary(bool forward) const;
    void leave(bool forward);
    void applyFit();

    ItemGridModel* m_model;
    ItemGridDelegate* m_delegate;
    int m_entryColumn = -1;
    QStringList m_samples;
    int m_stretchColumn = -1;
    bool m_fitted = false;
};
