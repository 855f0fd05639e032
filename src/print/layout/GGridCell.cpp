#include "GGridCell.h"

QString GGridCell::displayText() const
{
    return m_contents ? m_contents->displayText() : m_text.toQString();
}
