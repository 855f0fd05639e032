#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

/**
 * Edits an ItemGrid cell in a frameless line edit aligned like the cell, and
 * remembers the editor that is open so that the grid can end the edit before
 * a row command. Row command keys typed into an editor go to the grid.
 */
class ItemGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    /// The editor open now, or null.
    QWidget* openEditor() const { return m_editor; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<QWidget> m_editor;
};
