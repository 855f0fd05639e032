#include "NamedComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr const char* KeepsNameProperty = "vorlaneKeepsAccessibleName";

} // namespace

NamedComboAccessible::NamedComboAccessible(QComboBox* combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox)
{
}

void NamedComboAccessible::keepName(QComboBox* combo)
{
    static const bool installed = [] {
        QAccessible::installFactory(&NamedComboAccessible::factory);
        return true;
    }();
    (void)installed;
    combo->setProperty(KeepsNameProperty, true);
}

QAccessibleInterface* NamedComboAccessible::factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object->property(KeepsNameProperty).toBool())
        if (auto* combo = qobject_cast<QComboBox*>(object))
            return new NamedComboAccessible(combo);
    return nullptr;
}

QComboBox* NamedComboAccessible::combo() const
{
    return static_cast<QComboBox*>(widget());
}

QString NamedComboAccessible::text(QAccessible::Text t) const
{
    // The name as any widget has it (its own, else its label's); the value
    // is what it holds.
    if (t == QAccessible::Value)
        return combo()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State NamedComboAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = combo()->view() && combo()->view()->isVisible();
    s.editable = combo()->isEditable();
    return s;
}

QList<QWidget*> NamedComboAccessible::parts() const
{
    QList<QWidget*> list;
    if (combo()->view())
        list << combo()->view();
    if (combo()->lineEdit())
        list << combo()->lineEdit();
    return list;
}

int NamedComboAccessible::childCount() const
{
    return int(parts().size());
}

QAccessibleInterface* NamedComboAccessible::child(int index) const
{
    const QList<QWidget*> list = parts();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index])
                                             : nullptr;
}

int NamedComboAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? int(parts().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
}

QStringList NamedComboAccessible::actionNames() const
{
    return {QAccessibleActionInterface::showMenuAction(),
            QAccessibleActionInterface::pressAction()};
}

void NamedComboAccessible::doAction(const QString& actionName)
{
    if (actionName == QAccessibleActionInterface::showMenuAction() ||
        actionName == QAccessibleActionInterface::pressAction())
        combo()->showPopup();
}
