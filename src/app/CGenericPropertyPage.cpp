#include "CGenericPropertyPage.h"

CGenericPropertyPage::CGenericPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title)
{
    setAccessibleName(title);
}
