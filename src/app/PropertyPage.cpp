#include "PropertyPage.h"

CGenericPropertyPage::CGenericPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title)
{
    setAccessibleName(title);
}

void CGenericPropertyPage::SetTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}
