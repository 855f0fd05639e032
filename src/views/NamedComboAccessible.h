#pragma once

#include <QAccessibleWidget>

class QComboBox;

/**
 * What accessibility tools see of a combo box marked with keepName(): a
 * combo box named by its label ("Title") whose value is the text it holds.
 * Qt's own interface names a combo box on Linux by its text, so a field that
 * holds "Mr" would be read as "Mr" and its label lost. Children are the text
 * field and the drop-down list; the press action opens the list.
 */
class NamedComboAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboAccessible(QComboBox* combo);

    /// Gives `combo` this interface (installs the factory once).
    static void keepName(QComboBox* combo);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    static QAccessibleInterface* factory(const QString& className, QObject* object);
    QComboBox* combo() const;
    QList<QWidget*> parts() const;
};
