#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>

class Document;
class DocumentView;

/**
 * The child window of one open document. It owns the document and its view
 * widget; any widget that also implements DocumentView can be the view, so
 * the edit views slot in through DocumentWindow::setView without the window
 * knowing their kind. Closing asks about unsaved changes and lets a new
 * document give its number back.
 */
class DocumentWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    /// Saves `document`, asking for a path when it has none; false when not saved.
    using Saver = std::function<bool(Document& document)>;

    DocumentWindow(std::unique_ptr<Document> document, Saver saver, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    Document& document() const { return *m_document; }
    /// Attaches the view, registers it with the document and sends it the initial update.
    void setView(QWidget* widget, DocumentView* view);
    QWidget* viewWidget() const { return m_viewWidget; }
    DocumentView* view() const { return m_view; }

    /// A window that may not be closed by the user (the start page) still closes
    /// once the program ends and calls forceClose().
    void setUserClosable(bool closable) { m_userClosable = closable; }
    bool isUserClosable() const { return m_userClosable; }
    /// Asks about unsaved changes: true when the window may go.
    bool queryClose();
    /// Closes without asking again (the question was asked already, or is not needed).
    void forceClose();

    /// Brings the caption and the modified mark in line with the document.
    void syncTitle();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Document> m_document;
    Saver m_saver;
    QWidget* m_viewWidget = nullptr;
    DocumentView* m_view = nullptr;
    bool m_userClosable = true;
    bool m_forced = false;
};
