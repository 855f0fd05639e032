#include "TabStripAccessible.h"

#include "TabStrip.h"
#include "TabStripTabAccessible.h"

TabStripAccessible::TabStripAccessible(TabStrip* strip)
    : QAccessibleWidget(strip, QAccessible::PageTabList)
{
}

TabStripAccessible::~TabStripAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

void TabStripAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&TabStripAccessible::factory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* TabStripAccessible::factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabStrip"))
        if (auto* strip = qobject_cast<TabStrip*>(object))
            return new TabStripAccessible(strip);
    return nullptr;
}

TabStrip* TabStripAccessible::strip() const
{
    return static_cast<TabStrip*>(widget());
}

int TabStripAccessible::childCount() const
{
    return strip()->count();
}

QAccessibleInterface* TabStripAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_tabs.constFind(index); found != m_tabs.cend())
        return QAccessible::accessibleInterface(*found);
    auto* tab = new TabStripTabAccessible(strip(), index);
    m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child->role() == QAccessible::PageTab && child->parent() == this) {
        const int index = static_cast<const TabStripTabAccessible*>(child)->index();
        return index < childCount() ? index : -1;
    }
    return -1;
}

QAccessibleInterface* TabStripAccessible::childAt(int x, int y) const
{
    const QPoint at = strip()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
        if (strip()->tabRect(i).contains(at))
            return child(i);
    return nullptr;
}
