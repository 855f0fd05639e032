#include "DocumentWindow.h"

#include "documents/Document.h"
#include "documents/DocumentView.h"
#include "documents/UpdateHint.h"
#include "resources/StringTable.h"
#include "views/MessageHook.h"

#include <QCloseEvent>

using ombrel::OMString;

DocumentWindow::DocumentWindow(std::unique_ptr<Document> document, Saver saver, QWidget* parent)
    : QMdiSubWindow(parent), m_document(std::move(document)), m_saver(std::move(saver))
{
    setAttribute(Qt::WA_DeleteOnClose);
    syncTitle();
}

DocumentWindow::~DocumentWindow()
{
    // The view may still talk to its document while it goes, so it goes first.
    if (m_view)
        m_document->removeView(m_view);
    delete m_viewWidget;
}

void DocumentWindow::setView(QWidget* widget, DocumentView* view)
{
    m_viewWidget = widget;
    m_view = view;
    setWidget(widget);
    m_document->addView(view);
    view->onInitialUpdate();
    syncTitle();
}

void DocumentWindow::syncTitle()
{
    const QString title = m_document->title() + QStringLiteral("[*]");
    if (windowTitle() != title)
        setWindowTitle(title);
    if (isWindowModified() != m_document->isModified())
        setWindowModified(m_document->isModified());
}

bool DocumentWindow::queryClose()
{
    if (!m_document->isModified())
        return true;
    const QString question =
        StringTable::text(IDS_ASK_TO_SAVE).toQString().arg(m_document->title());
    switch (MessageHook::show(OMString::fromQString(question), MessageHook::Warning,
                              MessageHook::YesNoCancel)) {
    case MessageHook::AnswerYes:
        return m_saver && m_saver(*m_document);
    case MessageHook::AnswerNo:
        return true;
    default:
        return false;
    }
}

void DocumentWindow::forceClose()
{
    m_forced = true;
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    if (!m_forced && (!m_userClosable || !queryClose())) {
        event->ignore();
        return;
    }
    // The view may still refuse; the document closes (and gives its number
    // back) only once the window really goes.
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        m_document->onCloseDocument();
}
