#include "ItemGridDelegate.h"

#include "ItemGrid.h"
#include "MessageHook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <limits>

namespace {

const char* const RefusedProperty = "vorlaneRefused";

} // namespace

QWidget* ItemGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    // A pasted text is kept whole, however long.
    edit->setMaxLength(std::numeric_limits<int>::max());
    // Typing again takes the mark away until the next refusal.
    connect(edit, &QLineEdit::textEdited, edit, [edit] {
        if (!edit->property(RefusedProperty).toBool())
            return;
        edit->setProperty(RefusedProperty, false);
        edit->setPalette(QPalette());
        edit->setToolTip({});
        edit->setAccessibleDescription({});
    });
    m_editor = edit;
    m_index = index;
    return edit;
}

void ItemGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (m_editor == editor) {
        m_editor = nullptr;
        m_index = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void ItemGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    // A refused text never reaches the cell.
    if (editor == m_editor && !refusal().isEmpty())
        return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

QString ItemGridDelegate::refusal() const
{
    const auto* edit = qobject_cast<QLineEdit*>(m_editor.data());
    if (!edit || !m_check || !m_index.isValid())
        return {};
    // Looking at a cell and leaving it unchanged is no entry.
    if (edit->text() == m_index.data(Qt::EditRole).toString())
        return {};
    return m_check(m_index, edit->text());
}

void ItemGridDelegate::markRefused(const QString& reason) const
{
    QWidget* editor = m_editor;
    if (!editor)
        return;
    editor->setProperty(RefusedProperty, true);
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, QColor(255, 218, 218));
    palette.setColor(QPalette::Text, Qt::black);
    editor->setPalette(palette);
    editor->setToolTip(reason);
    editor->setAccessibleDescription(reason);
}

void ItemGridDelegate::tellRefused(const QString& reason) const
{
    markRefused(reason);
    QPointer<QWidget> editor = m_editor;
    // After the key or click being handled: a box opened inside it would
    // take the focus from an editor that is still busy with it.
    QTimer::singleShot(0, this, [editor, reason] {
        if (!editor)
            return;
        editor->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(editor.data()))
            edit->selectAll();
        MessageHook::show(reason, MessageHook::Warning, MessageHook::Ok);
        if (editor)
            editor->setFocus(Qt::OtherFocusReason);
    });
}

bool ItemGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && editor == m_editor) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const ItemGrid::RowCommand command =
                ItemGrid::commandForKey(key->key(), key->modifiers());
            if (command != ItemGrid::NoCommand) {
                if (auto* grid = qobject_cast<ItemGrid*>(parent()))
                    grid->run(command);
                return true;
            }
            switch (key->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Enter:
            case Qt::Key_Return:
                if (const QString reason = refusal(); !reason.isEmpty()) {
                    tellRefused(reason);
                    return true;
                }
                break;
            default:
                break;
            }
        } else if (event->type() == QEvent::FocusOut) {
            if (const QString reason = refusal(); !reason.isEmpty()) {
                // The editor stays open. Gone to another field of the window:
                // the focus comes back with the reason. Gone to a message box
                // or another window: it comes back by itself.
                const QWidget* now = QApplication::focusWidget();
                if (now && now != editor && now->window() == editor->window() &&
                    !QApplication::activePopupWidget() && !QApplication::activeModalWidget())
                    tellRefused(reason);
                else
                    markRefused(reason);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
