#pragma once

#include "documents/DocumentView.h"
#include "documents/StartPageLayout.h"

#include <QWidget>
#include <array>
#include <memory>

class QPushButton;
class QSvgRenderer;

/**
 * Six picture buttons in two rows of three that start the common tasks. A
 * blue frame marks the button under the pointer; releasing the left button
 * over it emits actionRequested with its position. Under them, push buttons
 * ask for the Documents window (ShowDocuments) and the Customers window
 * (ShowCustomers). The view knows nothing of
 * what the actions do.
 */
class StartPageView : public QWidget, public DocumentView
{
    Q_OBJECT
public:
    enum Action {
        NewEstimate,
        NewQuote,
        NewInvoice,
        OpenDocument,
        BusinessInfo,
        ProgramOptions,
        ShowDocuments,
        ShowCustomers
    };

    explicit StartPageView(QWidget* parent = nullptr);
    ~StartPageView() override;

    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    const StartPageLayout& layoutFigures() const { return m_layout; }
    QPushButton* documentsButton() const { return m_documents; }
    QPushButton* customersButton() const { return m_customers; }
    bool isHovered(int button) const { return m_hover[size_t(button)]; }
    /// Sets the hover flags for the pointer at `point`; true when any changed.
    bool updateHover(const QPoint& point);
    /// The natural size of the pictures.
    static QSize pictureSize() { return QSize(481, 530); }

signals:
    void actionRequested(int action);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void relayout();
    void updateCursor();

    std::array<std::unique_ptr<QSvgRenderer>, StartPageLayout::Count> m_pictures;
    std::array<bool, StartPageLayout::Count> m_hover{};
    StartPageLayout m_layout;
    QPushButton* m_documents;
    QPushButton* m_customers;
};
