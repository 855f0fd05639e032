#pragma once

#include "PropertyPage.h"
#include "print/TextStyle.h"

#include <functional>

class ColourLabel;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TextStyles;

/**
 * Options page 2: what heads the printed page ("options/logo") and the Logo
 * and Tagline styles, with a sample in the Logo style.
 */
class OptionsLogoPage : public PropertyPage
{
    Q_OBJECT
public:
    /// `businessName` gives the name as typed on the Business Information page.
    OptionsLogoPage(TextStyles& styles, std::function<QString()> businessName,
                    QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    bool refreshesViews() const override { return true; }
    void activate() override { updateControls(); }

    /// The filter of the picture file dialog.
    static const char* const PictureFilter;

    QButtonGroup* modeGroup() const { return m_mode; }
    QCheckBox* taglineBox() const { return m_showTagline; }
    /// The tallest a picture logo prints, in millimetres (0: no limit).
    QSpinBox* maxHeightBox() const { return m_maxHeight; }
    ColourLabel* sample() const { return m_sample; }
    QLineEdit* textEdit() const { return m_text; }
    /// The copies of the Logo and Tagline styles the page edits.
    TextStyle& logoStyle() { return m_logo; }
    TextStyle& taglineStyle() { return m_tagline; }
    /// Enables the controls for the current choices and redraws the sample.
    void updateControls();

private:
    void choosePicture();
    void edited();

    TextStyles& m_styles;
    std::function<QString()> m_businessName;
    TextStyle m_logo;
    TextStyle m_tagline;

    QButtonGroup* m_mode;
    QLineEdit* m_text;
    QLineEdit* m_file;
    QPushButton* m_browse;
    QCheckBox* m_setWidth;
    QSpinBox* m_width;
    QSpinBox* m_maxHeight;
    QCheckBox* m_showTagline;
    QLineEdit* m_taglineText;
    QPushButton* m_logoFont;
    QPushButton* m_logoColour;
    QPushButton* m_logoBackground;
    QPushButton* m_taglineFont;
    QPushButton* m_taglineColour;
    ColourLabel* m_sample;
};
