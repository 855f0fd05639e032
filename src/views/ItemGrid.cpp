#include "ItemGrid.h"

#include "ItemGridDelegate.h"
#include "ItemGridModel.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <algorithm>

ItemGrid::ItemGrid(QWidget* parent)
    : QTableView(parent), m_model(new ItemGridModel(this)), m_delegate(new ItemGridDelegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(m_model, &ItemGridModel::textEdited, this, &ItemGrid::onTextEdited);
}

ItemGrid::Fill::Fill(ItemGrid& grid, int columns) : m_grid(grid)
{
    // The rows are replaced: what an editor holds is taken if it can be.
    if (!grid.endEdit())
        grid.discardEdit();
    grid.m_model->beginFill(columns);
}

ItemGrid::Fill::~Fill()
{
    m_grid.m_model->endFill();
}

int ItemGrid::rowCount() const
{
    return m_model->rowCount() + fixedRowCount();
}

int ItemGrid::columnCount() const
{
    return m_model->columnCount();
}

bool ItemGrid::isEntryRow(int row) const
{
    return row >= fixedRowCount() && row == rowCount() - 1;
}

int ItemGrid::appendRow()
{
    m_model->insertRow(m_model->rowCount());
    return rowCount() - 1;
}

int ItemGrid::insertRow(int row)
{
    row = std::clamp(row, fixedRowCount(), rowCount());
    m_model->insertRow(row - fixedRowCount());
    return row;
}

void ItemGrid::deleteRow(int row)
{
    m_model->removeRow(row - fixedRowCount());
}

QString ItemGrid::text(int row, int column) const
{
    if (row == 0)
        return m_model->headerText(column);
    return m_model->text(row - fixedRowCount(), column);
}

void ItemGrid::setText(int row, int column, const QString& text)
{
    if (row == 0)
        setHeader(column, text,
                  Qt::Alignment(
                      m_model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt()));
    else
        m_model->setText(row - fixedRowCount(), column, text);
}

void ItemGrid::setAlignment(int row, int column, Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    if (row == 0)
        m_model->setHeader(column, m_model->headerText(column), alignment);
    else
        m_model->setAlignment(row - fixedRowCount(), column, alignment);
}

void ItemGrid::setHeader(int column, const QString& text, Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    m_model->setHeader(column, text, alignment);
}

void ItemGrid::setReadOnly(int row, int column, bool readOnly)
{
    m_model->setReadOnly(row - fixedRowCount(), column, readOnly);
}

bool ItemGrid::isReadOnly(int row, int column) const
{
    return row < fixedRowCount() || m_model->isReadOnly(row - fixedRowCount(), column);
}

void ItemGrid::setRowItem(int row, const JobItem& item)
{
    m_model->setRowItem(row - fixedRowCount(), item);
}

const JobItem& ItemGrid::rowItem(int row) const
{
    return m_model->rowItem(row - fixedRowCount());
}

int ItemGrid::focusRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + fixedRowCount() : 0;
}

int ItemGrid::focusColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void ItemGrid::setFocusCell(int row, int column)
{
    const QModelIndex index = m_model->index(row - fixedRowCount(), column);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

QWidget* ItemGrid::cellEditor() const
{
    return m_delegate->openEditor();
}

void ItemGrid::setCellCheck(CellCheck check)
{
    if (!check) {
        m_delegate->setCellCheck({});
        return;
    }
    m_delegate->setCellCheck([check = std::move(check)](const QModelIndex& index,
                                                        const QString& text) {
        return check(index.row() + fixedRowCount(), index.column(), text);
    });
}

QString ItemGrid::editRefusal() const
{
    return m_delegate->refusal();
}

bool ItemGrid::endEdit()
{
    QWidget* editor = m_delegate->openEditor();
    if (!editor)
        return true;
    if (const QString reason = m_delegate->refusal(); !reason.isEmpty()) {
        m_delegate->markRefused(reason);
        return false;
    }
    commitData(editor);
    // The commit may have closed the editor already (a row command from a
    // key typed into it closes it here).
    if (m_delegate->openEditor() == editor)
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void ItemGrid::discardEdit()
{
    if (QWidget* editor = m_delegate->openEditor())
        QTableView::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void ItemGrid::onTextEdited(int modelRow, int column)
{
    const int row = modelRow + fixedRowCount();
    emit cellEdited(row, column);
    if (m_entryColumn >= 0 && isEntryRow(row) && !text(row, m_entryColumn).isEmpty())
        emit rowAdded(appendRow());
    emit contentChanged();
}

ItemGrid::RowCommand ItemGrid::commandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool alt = modifiers & Qt::AltModifier;
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (alt && !ctrl && !shift) {
        if (key == Qt::Key_Up)
            return MoveRowUp;
        if (key == Qt::Key_Down)
            return MoveRowDown;
        return NoCommand;
    }
    if (!ctrl || alt)
        return NoCommand;
    const bool plus = key == Qt::Key_Plus || (key == Qt::Key_Equal && !keypad);
    const bool minus = key == Qt::Key_Minus;
    if (keypad) {
        if (plus)
            return shift ? MoveRowDown : InsertRow;
        if (minus)
            return shift ? MoveRowUp : DeleteRow;
        return NoCommand;
    }
    // On the main keys "+" may itself need Shift.
    if (plus)
        return InsertRow;
    if (minus && !shift)
        return DeleteRow;
    return NoCommand;
}

bool ItemGrid::canRun(RowCommand command) const
{
    // With no item row (only the entry row) no command applies.
    if (rowCount() - fixedRowCount() < 2)
        return false;
    const int r = focusRow();
    if (r < fixedRowCount())
        return false;
    switch (command) {
    case InsertRow:
    case DeleteRow:
        return !isEntryRow(r);
    case MoveRowUp:
        return r > fixedRowCount() && !isEntryRow(r);
    case MoveRowDown:
        return r < rowCount() - 2;
    case NoCommand:
        break;
    }
    return false;
}

void ItemGrid::run(RowCommand command)
{
    if (!endEdit()) {
        m_delegate->tellRefused(m_delegate->refusal());
        return;
    }
    if (!canRun(command))
        return;
    const int r = focusRow();
    const int c = focusColumn();
    switch (command) {
    case InsertRow:
        insertRow(r);
        emit rowAdded(r);
        setFocusCell(r, c);
        break;
    case DeleteRow:
        deleteRow(r);
        setFocusCell(r, c);
        break;
    case MoveRowUp:
        m_model->swapRows(r - fixedRowCount(), r - 1 - fixedRowCount());
        setFocusCell(r - 1, c);
        break;
    case MoveRowDown:
        m_model->swapRows(r - fixedRowCount(), r + 1 - fixedRowCount());
        setFocusCell(r + 1, c);
        break;
    case NoCommand:
        return;
    }
    emit contentChanged();
}

QMenu* ItemGrid::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    struct Entry
    {
        RowCommand command;
        const char* text;
    };
    static const Entry entries[] = {
        {InsertRow, QT_TR_NOOP("&Insert Row\tCtrl+Num +")},
        {DeleteRow, QT_TR_NOOP("&Delete Row\tCtrl+Num -")},
        {MoveRowUp, QT_TR_NOOP("Move Row &Up\tCtrl+Shift+Num -")},
        {MoveRowDown, QT_TR_NOOP("Move Row Do&wn\tCtrl+Shift+Num +")},
    };
    for (const Entry& entry : entries) {
        QAction* action = menu->addAction(tr(entry.text));
        action->setEnabled(canRun(entry.command));
        const RowCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
    }
    return menu;
}

void ItemGrid::keyPressEvent(QKeyEvent* event)
{
    const RowCommand command = commandForKey(event->key(), event->modifiers());
    if (command != NoCommand) {
        run(command);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ItemGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // The event comes from the viewport, in its coordinates.
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        setCurrentIndex(index);
    QMenu* menu = createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool ItemGrid::atBoundary(bool forward) const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return false;
    if (forward)
        return current.row() == m_model->rowCount() - 1 &&
               current.column() == m_model->columnCount() - 1;
    return current.row() == 0 && current.column() == 0;
}

void ItemGrid::leave(bool forward)
{
    clearSelection();
    QAbstractScrollArea::focusNextPrevChild(forward);
}

QModelIndex ItemGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // The table would wrap round from the last cell to the first.
    if ((action == MoveNext && atBoundary(true)) || (action == MovePrevious && atBoundary(false)))
        return {};
    return QTableView::moveCursor(action, modifiers);
}

void ItemGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // A click on another cell ends the edit: a refused text keeps its editor
    // open, and the cell stays the current one.
    if (hint != QAbstractItemDelegate::RevertModelCache && editor == m_delegate->openEditor()) {
        if (const QString reason = m_delegate->refusal(); !reason.isEmpty()) {
            const QPersistentModelIndex cell = m_delegate->editedIndex();
            QTimer::singleShot(0, this, [this, cell] {
                if (cell.isValid() && currentIndex() != cell)
                    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
            });
            m_delegate->tellRefused(reason);
            return;
        }
    }
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool leaving =
        (forward || hint == QAbstractItemDelegate::EditPreviousItem) && atBoundary(forward);
    QTableView::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
    if (leaving)
        leave(forward);
}

bool ItemGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // No second editor while a refused text waits in the first.
    if (m_delegate->openEditor() && index != m_delegate->editedIndex() &&
        !m_delegate->refusal().isEmpty())
        return false;
    return QTableView::edit(index, trigger, event);
}

bool ItemGrid::focusNextPrevChild(bool next)
{
    if (tabKeyNavigation() && atBoundary(next)) {
        leave(next);
        return true;
    }
    return QTableView::focusNextPrevChild(next);
}

void ItemGrid::fitColumns(const QStringList& samples, int stretchColumn)
{
    m_samples = samples;
    m_stretchColumn = stretchColumn;
    m_fitted = true;
    applyFit();
}

void ItemGrid::applyFit()
{
    const int columns = columnCount();
    if (columns == 0)
        return;
    const QList<int> textWidths = m_model->columnTextWidths(font());
    const QFontMetrics cellMetrics(font());
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int cellPadding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    const int headerPadding =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;

    // A column never grows past the visible width for its text alone (a
    // pasted page of text would push the figures out of sight): its cells
    // show the start of such a text, the editor all of it.
    const int available = viewport()->width();
    const int textCap = std::max(available, 1);
    QList<int> widths(columns);
    int sum = 0;
    for (int c = 0; c < columns; ++c) {
        int least = headerMetrics.horizontalAdvance(m_model->headerText(c)) + headerPadding;
        if (c < m_samples.size())
            least = std::max(least, cellMetrics.horizontalAdvance(m_samples[c]) + cellPadding);
        widths[c] = std::max(least, std::min(textWidths[c] + cellPadding, textCap));
        sum += widths[c];
    }
    // The stretch column gives back what the others need to be seen.
    if (sum > available && m_stretchColumn >= 0 && m_stretchColumn < columns) {
        const int others = sum - widths[m_stretchColumn];
        const int least =
            std::max(headerMetrics.horizontalAdvance(m_model->headerText(m_stretchColumn)) +
                         headerPadding,
                     m_stretchColumn < m_samples.size()
                         ? cellMetrics.horizontalAdvance(m_samples[m_stretchColumn]) + cellPadding
                         : 0);
        const int fitted = std::max(least, std::min(widths[m_stretchColumn], available - others));
        sum += fitted - widths[m_stretchColumn];
        widths[m_stretchColumn] = fitted;
    }
    if (sum < available && m_stretchColumn >= 0 && m_stretchColumn < columns)
        widths[m_stretchColumn] += available - sum;
    for (int c = 0; c < columns; ++c)
        horizontalHeader()->resizeSection(c, widths[c]);
}

void ItemGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (m_fitted)
        applyFit();
}
