#include "TabStrip.h"

#include "TabStripAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

TabStrip::TabStrip(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    TabStripAccessible::install();
}

void TabStrip::insertTab(int index, const QString& title)
{
    index = qBound(0, index, count());
    m_titles.insert(index, title);
    if (m_current < 0)
        m_current = 0;
    else if (index <= m_current && count() > 1)
        ++m_current;
    m_rectsWidth = -1;
    updateGeometry();
    update();
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    update();
    announceCurrent();
}

QSize TabStrip::tabSize(int index) const
{
    const QFontMetrics metrics(font());
    const int height = metrics.height() + 12;
    return {metrics.horizontalAdvance(m_titles[index]) + 28, height};
}

std::vector<QRect> TabStrip::layoutFor(int width) const
{
    std::vector<QRect> rects;
    int x = 0, y = 0, rowHeight = 0;
    for (int i = 0; i < count(); ++i) {
        const QSize size = tabSize(i);
        if (x > 0 && x + size.width() > width) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        rects.emplace_back(QPoint(x, y), size);
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
    return rects;
}

int TabStrip::rowCount(int width) const
{
    int rows = 0, lastTop = -1;
    for (const QRect& r : layoutFor(width))
        if (r.top() != lastTop) {
            ++rows;
            lastTop = r.top();
        }
    return rows;
}

int TabStrip::heightForWidth(int width) const
{
    int height = 0;
    for (const QRect& r : layoutFor(width))
        height = std::max(height, r.bottom() + 1);
    return height > 0 ? height + 1 : QFontMetrics(font()).height() + 13;
}

QSize TabStrip::sizeHint() const
{
    int width = 0;
    for (int i = 0; i < count(); ++i)
        width += tabSize(i).width();
    return {width, heightForWidth(width)};
}

QSize TabStrip::minimumSizeHint() const
{
    return {0, heightForWidth(width() > 0 ? width() : sizeHint().width())};
}

QRect TabStrip::tabRect(int index) const
{
    if (m_rectsWidth != width()) {
        m_rects = layoutFor(width());
        m_rectsWidth = width();
    }
    return index >= 0 && size_t(index) < m_rects.size() ? m_rects[size_t(index)] : QRect();
}

void TabStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_rectsWidth = -1;
    updateGeometry();
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.rect = tabRect(i);
        option.text = m_titles[i];
        option.shape = QTabBar::RoundedNorth;
        option.position = QStyleOptionTab::Middle;
        option.state.setFlag(QStyle::State_Selected, i == m_current);
        option.state.setFlag(QStyle::State_HasFocus, hasFocus() && i == m_current);
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

void TabStrip::activateTab(int index)
{
    if (index < 0 || index >= count())
        return;
    // Choosing the tab that is already current is no change.
    if (index == m_current)
        return;
    m_current = index;
    update();
    announceCurrent();
    emit currentChanged(index);
}

void TabStrip::announceCurrent()
{
    if (!QAccessible::isActive() || m_current < 0)
        return;
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_current);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(m_current);
    QAccessible::updateAccessibility(&selection);
}

void TabStrip::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < count(); ++i)
        if (tabRect(i).contains(event->position().toPoint())) {
            activateTab(i);
            return;
        }
    QWidget::mousePressEvent(event);
}

void TabStrip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        m_choosingByKeys = true;
        activateTab(m_current + (event->key() == Qt::Key_Left ? -1 : 1));
    } else {
        QWidget::keyPressEvent(event);
    }
}

void TabStrip::focusOutEvent(QFocusEvent* event)
{
    m_choosingByKeys = false;
    QWidget::focusOutEvent(event);
}

bool TabStrip::isFocusBrowsingTabs()
{
    // A tab hidden with the focus inside passes the focus on, often to the
    // strip: only a strip the user moved along by keys keeps it.
    const auto* strip = qobject_cast<const TabStrip*>(QApplication::focusWidget());
    return strip && strip->m_choosingByKeys;
}
