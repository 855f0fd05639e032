#include "FilteredLineEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

FilteredLineEdit::FilteredLineEdit(QWidget* parent) : QLineEdit(parent)
{
}

FilteredLineEdit::FilteredLineEdit(const QString& filter, Mode mode, QWidget* parent)
    : QLineEdit(parent)
{
    setFilter(filter, mode);
}

void FilteredLineEdit::setFilter(const QString& filter, Mode mode)
{
    m_filter = filter;
    m_mode = mode;
}

bool FilteredLineEdit::admits(QChar c) const
{
    const bool listed = m_filter.contains(c);
    return m_mode == Include ? listed : !listed;
}

QString FilteredLineEdit::filtered(const QString& text) const
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (admits(c))
            kept += c;
    }
    return kept;
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event)
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

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event)
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

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, nullptr, this, nullptr);
            connect(action, &QAction::triggered, this, &FilteredLineEdit::paste);
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

void FilteredLineEdit::paste()
{
    if (isReadOnly())
        return;
    insert(filtered(QApplication::clipboard()->text()));
}
