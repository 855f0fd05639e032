#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

/**
 * Edits an ItemGrid cell in a frameless line edit aligned like the cell, and
 * remembers the editor that is open so that the grid can end the edit before
 * a row command. Row command keys typed into an editor go to the grid.
 *
 * A cell check (ItemGrid::setCellCheck) may refuse what was typed: the text
 * is then never committed, the editor stays open on it, marked, and the
 * focus stays in it (Tab, Enter or a click elsewhere in the window say why
 * instead of leaving). Escape still gives the cell its old text back.
 */
class ItemGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    /// Why `text` may not go into the cell at `index`; empty when it may.
    using CellCheck = std::function<QString(const QModelIndex& index, const QString& text)>;

    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    /// The editor open now, or null.
    QWidget* openEditor() const { return m_editor; }
    /// The cell the open editor edits.
    QModelIndex editedIndex() const { return m_index; }

    void setCellCheck(CellCheck check) { m_check = std::move(check); }
    /// Why the open editor's text would be refused; empty when it would be
    /// taken, or when no editor is open.
    QString refusal() const;
    /// Marks the open editor as refused, with `reason` as its tool tip.
    void markRefused(const QString& reason) const;
    /// Marks it and says why, once the event being handled is done, with the
    /// focus back in the editor.
    void tellRefused(const QString& reason) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_index;
    CellCheck m_check;
};
