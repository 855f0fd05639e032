#include "StartPageView.h"

#include "documents/UpdateHint.h"
#include "resources/StringTable.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace {
const char* const PictureNames[StartPageLayout::Count] = {
    "start-new-estimate", "start-new-quote", "start-new-invoice",
    "start-open",         "start-business",  "start-options",
};
const int ToolTips[StartPageLayout::Count] = {
    IDS_START_NEW_ESTIMATE, IDS_START_NEW_QUOTE, IDS_START_NEW_INVOICE,
    IDS_START_OPEN,         IDS_START_BUSINESS,  IDS_START_OPTIONS,
};
} // namespace

StartPageView::StartPageView(QWidget* parent)
    : QWidget(parent), m_documents(new QPushButton(tr("All &Documents..."), this)),
      m_customers(new QPushButton(tr("All C&ustomers..."), this))
{
    m_documents->setToolTip(
        tr("Every estimate, quote, invoice and credit note, and who owes what"));
    connect(m_documents, &QPushButton::clicked, this,
            [this] { emit actionRequested(ShowDocuments); });
    m_customers->setToolTip(tr("Every customer: find, correct, merge, and what each owes"));
    connect(m_customers, &QPushButton::clicked, this,
            [this] { emit actionRequested(ShowCustomers); });
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumSize(120, 120);
}

StartPageView::~StartPageView() = default;

void StartPageView::onUpdate(DocumentView*, UpdateHint hint)
{
    if (hint != InitialUpdate)
        return;
    for (int i = 0; i < StartPageLayout::Count; ++i) {
        m_pictures[size_t(i)] = std::make_unique<QSvgRenderer>(
            QStringLiteral(":/art/%1.svg").arg(QLatin1String(PictureNames[i])));
        m_hover[size_t(i)] = false;
    }
    relayout();
}

void StartPageView::relayout()
{
    const bool loaded = m_pictures[0] && m_pictures[0]->isValid();
    // The Documents and Customers buttons stand side by side, centred in a
    // strip along the foot.
    const QSize button = m_documents->sizeHint().expandedTo(m_customers->sizeHint());
    const int strip = button.height() + button.height() / 2;
    const int gap = button.height() / 2;
    const int left = (width() - 2 * button.width() - gap) / 2;
    m_documents->setGeometry(left, height() - strip, button.width(), button.height());
    m_customers->setGeometry(left + button.width() + gap, height() - strip, button.width(),
                             button.height());
    m_layout = StartPageLayout::compute(rect().adjusted(0, 0, 0, -strip),
                                        loaded ? pictureSize() : QSize());
    update();
}

void StartPageView::resizeEvent(QResizeEvent*)
{
    relayout();
}

void StartPageView::paintEvent(QPaintEvent*)
{
    if (m_layout.buttonWidth <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < StartPageLayout::Count; ++i) {
        const QRect button = m_layout.buttons[size_t(i)];
        painter.setPen(m_hover[size_t(i)] ? QColor(0, 0, 255) : QColor(Qt::white));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(button.adjusted(0, 0, -1, -1));
        if (m_pictures[size_t(i)])
            m_pictures[size_t(i)]->render(&painter, QRectF(button.adjusted(1, 1, -1, -1)));
    }
}

bool StartPageView::updateHover(const QPoint& point)
{
    bool changed = false;
    for (int i = 0; i < StartPageLayout::Count; ++i) {
        const bool inside =
            m_layout.buttonWidth > 0 && StartPageLayout::hits(m_layout.buttons[size_t(i)], point);
        if (m_hover[size_t(i)] != inside) {
            m_hover[size_t(i)] = inside;
            changed = true;
        }
    }
    if (changed) {
        updateCursor();
        update();
    }
    return changed;
}

void StartPageView::updateCursor()
{
    for (int i = 0; i < StartPageLayout::Count; ++i) {
        if (m_hover[size_t(i)]) {
            setCursor(Qt::PointingHandCursor);
            setToolTip(StringTable::text(ToolTips[i]).toQString());
            return;
        }
    }
    unsetCursor();
    setToolTip(QString());
}

void StartPageView::mouseMoveEvent(QMouseEvent* event)
{
    updateHover(event->position().toPoint());
}

void StartPageView::leaveEvent(QEvent*)
{
    updateHover(QPoint(-1, -1) - QPoint(width() * 2, height() * 2));
}

void StartPageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    for (int i = 0; i < StartPageLayout::Count; ++i)
        if (m_hover[size_t(i)])
            emit actionRequested(i);
}
