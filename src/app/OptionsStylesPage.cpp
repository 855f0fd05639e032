#include "OptionsStylesPage.h"

#include "StyleDialogs.h"
#include "views/ColourLabel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OptionsStylesPage::OptionsStylesPage(TextStyles& styles, QWidget* parent)
    : PropertyPage(tr("Text Styles"), parent), m_styles(styles), m_list(new QComboBox(this)),
      m_description(new QLabel(this)), m_sample(new ColourLabel(this)),
      m_font(new QPushButton(tr("&Font..."), this)),
      m_textColour(new QPushButton(tr("&Text Colour..."), this)),
      m_background(new QPushButton(tr("&Background Colour..."), this))
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* label = new QLabel(tr("&Style:"), this);
    label->setBuddy(m_list);
    m_list->setAccessibleName(tr("Style"));
    form->addRow(label, m_list);
    layout->addLayout(form);
    m_description->setWordWrap(true);
    layout->addWidget(m_description);

    m_sample->setSunken(true);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setAccessibleName(tr("Sample"));
    m_sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_sample->setMinimumHeight(m_sample->fontMetrics().lineSpacing() * 6);
    layout->addWidget(m_sample, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_font, m_textColour, m_background})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    for (int i = FirstStyle; i < StyleCount; ++i)
        m_copies[size_t(i - FirstStyle)] = m_styles.style(i);
    for (const TextStyle& style : m_copies)
        m_list->addItem(style.title.toQString());
    m_list->setCurrentIndex(0);

    connect(m_list, &QComboBox::currentIndexChanged, this, [this] { updateControls(); });
    connect(m_font, &QPushButton::clicked, this, [this] {
        if (StyleDialogs::chooseFont(this, selected()))
            changed();
    });
    connect(m_textColour, &QPushButton::clicked, this, [this] {
        uint32_t colour = selected().font.colour();
        if (StyleDialogs::chooseColour(this, colour, tr("Text Colour"))) {
            selected().font.setColour(colour);
            changed();
        }
    });
    connect(m_background, &QPushButton::clicked, this, [this] {
        if (StyleDialogs::chooseColour(this, selected().background, tr("Background Colour")))
            changed();
    });
    updateControls();
}

TextStyle& OptionsStylesPage::selected()
{
    const int row = std::max(0, m_list->currentIndex());
    return m_copies[size_t(row)];
}

void OptionsStylesPage::changed()
{
    setModified();
    updateControls();
}

void OptionsStylesPage::updateControls()
{
    // The table colours are drawn behind text in the Normal font.
    const GFont normal = styleCopy(StyleNormal).font;
    for (int i = StyleTableHeader; i < StyleCount; ++i) {
        // Only the face and size follow Normal; each keeps its own weight and colour.
        GFont& font = styleCopy(i).font;
        font.setName(normal.name());
        font.setSize(normal.size());
    }
    const TextStyle& style = selected();
    m_description->setText(style.description.toQString());
    StyleDialogs::showSample(*m_sample, style, style.title.toQString() + tr(" Sample"));
    m_font->setEnabled(style.editable & TextStyle::EditFont);
    m_textColour->setEnabled(style.editable & TextStyle::EditTextColour);
    m_background->setEnabled(style.editable & TextStyle::EditBackground);
}

void OptionsStylesPage::loadSettings()
{
    for (int i = FirstStyle; i < StyleCount; ++i)
        styleCopy(i) = m_styles.style(i);
    updateControls();
}

void OptionsStylesPage::saveSettings()
{
    // A style is written only when changed, so untouched ones keep following the defaults.
    for (int i = FirstStyle; i < StyleCount; ++i)
        if (!styleCopy(i).looksLike(m_styles.style(i))) {
            QString error;
            noteWrite(m_styles.setStyle(i, styleCopy(i), &error), error);
        }
}
