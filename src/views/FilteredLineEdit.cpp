#include "FilteredLineEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

CFilterEdit::CFilterEdit(QWidget* parent) : QLineEdit(parent)
{
}

CFilterEdit::CFilterEdit(const QString& filter, Mode mode, QWidget* parent) : QLineEdit(parent)
{
    setFilter(filter, mode);
}

void CFilterEdit::setFilter(const QString& filter, Mode mode)
{
    m_filter = filter;
    m_mode = mode;
}

bool CFilterEdit::admits(QChar c) const
{
    const bool listed = m_filter.contains(c);
    return m_mode == Include ? listed : !listed;
}

QString CFilterEdit::filtered(const QString& text) const
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (admits(c))
            kept += c;
    }
    return kept;
}

void CFilterEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    const QString text = event->text();
    // Keys without text (arrows, Backspace, shortcuts) and control characters
    // always reach the edit.
    if (!text.isEmpty() && text.at(0).isPrint() && filtered(text) != text) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CFilterEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (!commit.isEmpty() && filtered(commit) != commit) {
        QInputMethodEvent kept(event->preeditString(), event->attributes());
        kept.setCommitString(filtered(commit), event->replacementStart(),
                             event->replacementLength());
        QLineEdit::inputMethodEvent(&kept);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void CFilterEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, nullptr, this, nullptr);
            connect(action, &QAction::triggered, this, &CFilterEdit::paste);
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

void CFilterEdit::paste()
{
    if (isReadOnly())
        return;
    insert(filtered(QApplication::clipboard()->text()));
}
