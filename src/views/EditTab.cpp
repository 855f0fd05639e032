#include "EditTab.h"

#include "TabStrip.h"
#include "TabbedEditView.h"
#include "documents/Document.h"

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

void EditTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || TabStrip::isFocusBrowsingTabs())
        return;
    if (QWidget* field = firstField())
        field->setFocus(Qt::OtherFocusReason);
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
