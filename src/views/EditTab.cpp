#include "EditTab.h"

#include "ItemGrid.h"
#include "TabStrip.h"
#include "TabbedEditView.h"
#include "documents/Document.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>

EditTab::EditTab(QWidget* parent) : QWidget(parent)
{
}

void EditTab::onDocumentUpdate(DocumentView*, UpdateHint)
{
}

void EditTab::exchangeData(DataExchange&)
{
}

bool EditTab::updateData(DataExchange::Direction direction)
{
    DataExchange dx(direction);
    m_exchanging = true;
    exchangeData(dx);
    m_exchanging = false;
    m_failedField = dx.failedField();
    return !dx.failed();
}

void EditTab::markModified()
{
    if (m_owner && m_owner->document())
        m_owner->document()->setModified(true);
}

void EditTab::watchEdit(QLineEdit* edit)
{
    connect(edit, &QLineEdit::textChanged, this, [this] {
        if (!m_exchanging && !(m_owner && m_owner->isExchanging()))
            markModified();
    });
}

void EditTab::watchEdit(QPlainTextEdit* edit)
{
    connect(edit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_exchanging && !(m_owner && m_owner->isExchanging()))
            markModified();
    });
}

void EditTab::watchBox(QCheckBox* box, std::function<void()> changed)
{
    connect(box, &QCheckBox::toggled, this, [this, changed = std::move(changed)] {
        if (!m_exchanging && !(m_owner && m_owner->isExchanging()))
            changed();
    });
}

void EditTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || TabStrip::isFocusBrowsingTabs())
        return;
    takeFocus();
}

void EditTab::leave()
{
    for (ItemGrid* grid : findChildren<ItemGrid*>())
        grid->endEdit();
}

void EditTab::takeFocus()
{
    QWidget* target = firstField();
    if (!target) {
        // The first control of the tab's own focus chain that the user could
        // reach with Tab.
        for (QWidget* w = nextInFocusChain(); w && w != this && isAncestorOf(w);
             w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
                target = w;
                break;
            }
    }
    if (!target)
        target = this;
    // As Tab would: a field arrived at has its text selected, so that what
    // is typed replaces "0.00" instead of following it.
    target->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
}

void EditTab::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
