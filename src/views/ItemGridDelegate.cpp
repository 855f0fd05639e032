#include "ItemGridDelegate.h"

#include "ItemGrid.h"

#include <QKeyEvent>
#include <QLineEdit>

QWidget* ItemGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    m_editor = edit;
    return edit;
}

void ItemGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (m_editor == editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool ItemGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const ItemGrid::RowCommand command = ItemGrid::commandForKey(key->key(), key->modifiers());
        if (command != ItemGrid::NoCommand) {
            if (auto* grid = qobject_cast<ItemGrid*>(parent()))
                grid->run(command);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
