#include "TabStripTabAccessible.h"

#include "TabStrip.h"

TabStripTabAccessible::TabStripTabAccessible(TabStrip* strip, int index)
    : m_strip(strip), m_index(index)
{
}

bool TabStripTabAccessible::isValid() const
{
    return m_strip && m_index < m_strip->count();
}

QWindow* TabStripTabAccessible::window() const
{
    QAccessibleInterface* strip = parent();
    return strip ? strip->window() : nullptr;
}

QAccessibleInterface* TabStripTabAccessible::parent() const
{
    return m_strip ? QAccessible::queryAccessibleInterface(m_strip.data()) : nullptr;
}

QString TabStripTabAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || t != QAccessible::Name)
        return {};
    return m_strip->tabText(m_index);
}

QRect TabStripTabAccessible::rect() const
{
    if (!isValid() || !m_strip->isVisible())
        return {};
    const QRect r = m_strip->tabRect(m_index);
    return {m_strip->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State TabStripTabAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.focusable = true;
    s.selected = m_strip->currentIndex() == m_index;
    s.focused = s.selected && m_strip->hasFocus();
    s.invisible = !m_strip->isVisible();
    s.disabled = !m_strip->isEnabled();
    return s;
}

void* TabStripTabAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList TabStripTabAccessible::actionNames() const
{
    return {pressAction()};
}

void TabStripTabAccessible::doAction(const QString& actionName)
{
    if (isValid() && m_strip->isEnabled() && actionName == pressAction())
        m_strip->activateTab(m_index);
}
