#include "PropertyPage.h"

PropertyPage::PropertyPage(const QString& title, QWidget* parent) : QWidget(parent), m_title(title)
{
    setAccessibleName(title);
}

void PropertyPage::setTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
