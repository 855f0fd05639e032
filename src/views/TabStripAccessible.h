#pragma once

#include <QAccessibleWidget>
#include <QHash>

class TabStrip;

/**
 * What accessibility tools see of a TabStrip: a page tab list whose children
 * are its tabs (TabStripTabAccessible), each named by its title and chosen by
 * its press action, as a click would.
 */
class TabStripAccessible : public QAccessibleWidget
{
public:
    explicit TabStripAccessible(TabStrip* strip);
    ~TabStripAccessible() override;

    /// Installs the factory that gives every TabStrip this interface (once).
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    static QAccessibleInterface* factory(const QString& className, QObject* object);
    TabStrip* strip() const;

    // The tabs' interfaces, made when first asked for and kept by id.
    mutable QHash<int, QAccessible::Id> m_tabs;
};
