#pragma once

#include "PropertyPage.h"
#include "print/TextStyle.h"
#include "print/TextStyles.h"

#include <array>

class ColourLabel;
class QComboBox;
class QLabel;
class QPushButton;

/**
 * Options page 3: the text styles of the printed page and the table colours
 * (every style but Logo and Tagline), one at a time, with a sample.
 */
class OptionsStylesPage : public PropertyPage
{
    Q_OBJECT
public:
    static constexpr int FirstStyle = StyleTitle;

    explicit OptionsStylesPage(TextStyles& styles, QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    bool refreshesViews() const override { return true; }

    QComboBox* styleList() const { return m_list; }
    QPushButton* fontButton() const { return m_font; }
    QPushButton* textColourButton() const { return m_textColour; }
    QPushButton* backgroundButton() const { return m_background; }
    ColourLabel* sample() const { return m_sample; }
    QLabel* description() const { return m_description; }
    /// The page's copy of style `index` (FirstStyle to the last).
    TextStyle& styleCopy(int index) { return m_copies[size_t(index - FirstStyle)]; }
    /// Shows the selected style: its description, sample and buttons.
    void updateControls();

private:
    TextStyle& selected();
    void changed();

    TextStyles& m_styles;
    std::array<TextStyle, StyleCount - FirstStyle> m_copies;
    QComboBox* m_list;
    QLabel* m_description;
    ColourLabel* m_sample;
    QPushButton* m_font;
    QPushButton* m_textColour;
    QPushButton* m_background;
};
