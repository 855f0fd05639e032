#include "GGridCell.h"

#include "TextFlow.h"

QString GGridCell::displayText() const
{
    return m_contents ? m_contents->displayText() : m_text.toQString();
}

std::shared_ptr<TextFlow> GGridCell::flow(const QFont& font, const QColor& colour,
                                          GTextMeasures* measures) const
{
    if (!m_flow || m_flowColour != colour || m_flowFont != font) {
        m_flow = std::make_shared<TextFlow>(GTextRun{m_text.toQString(), font, colour}, true);
        m_flow->setMeasures(measures);
        m_flowFont = font;
        m_flowColour = colour;
    }
    return m_flow;
}
