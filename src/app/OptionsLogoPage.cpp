#include "OptionsLogoPage.h"

#include "StyleDialogs.h"
#include "print/TextStyles.h"
#include "settings/SettingsStore.h"
#include "views/ColourLabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using ombrel::OMString;
using namespace SettingKeys;

const char* const OptionsLogoPage::PictureFilter =
    "Picture Files (*.gif *.jpg *.jpeg *.png *.svg);;All Files (*)";

OptionsLogoPage::OptionsLogoPage(TextStyles& styles, std::function<QString()> businessName,
                                 QWidget* parent)
    : PropertyPage(tr("Logo"), parent), m_styles(styles), m_businessName(std::move(businessName)),
      m_mode(new QButtonGroup(this)), m_text(new QLineEdit(this)), m_file(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("..."), this)),
      m_setWidth(new QCheckBox(tr("Set image &width (pixels)"), this)), m_width(new QSpinBox(this)),
      m_maxHeight(new QSpinBox(this)),
      m_showTagline(new QCheckBox(tr("Display a &tag line:"), this)),
      m_taglineText(new QLineEdit(this)), m_logoFont(new QPushButton(tr("&Font..."), this)),
      m_logoColour(new QPushButton(tr("&Colour..."), this)),
      m_logoBackground(new QPushButton(tr("Bac&kground..."), this)),
      m_taglineFont(new QPushButton(tr("F&ont..."), this)),
      m_taglineColour(new QPushButton(tr("Co&lour..."), this)), m_sample(new ColourLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* logoBox = new QGroupBox(tr("Logo"), this);
    auto* grid = new QGridLayout(logoBox);
    const QString modes[4] = {tr("&Do not display a logo"), tr("Display the &business name"),
                              tr("&Use the following text:"), tr("Display a &picture as a logo")};
    QRadioButton* radios[4];
    for (int i = 0; i < 4; ++i) {
        radios[i] = new QRadioButton(modes[i], logoBox);
        m_mode->addButton(radios[i], i);
    }
    grid->addWidget(radios[0], 0, 0, 1, 3);
    grid->addWidget(radios[1], 1, 0, 1, 3);
    grid->addWidget(radios[2], 2, 0);
    grid->addWidget(m_text, 2, 1, 1, 2);
    m_text->setAccessibleName(tr("Logo text"));
    grid->addWidget(radios[3], 3, 0);
    grid->addWidget(m_file, 3, 1);
    m_file->setAccessibleName(tr("Picture file"));
    grid->addWidget(m_browse, 3, 2);
    m_browse->setAccessibleName(tr("Choose the picture file"));
    m_browse->setToolTip(tr("Choose the picture file"));
    grid->addWidget(m_setWidth, 4, 0);
    m_width->setRange(0, 9999);
    m_width->setAccessibleName(tr("Image width in pixels"));
    grid->addWidget(m_width, 4, 1, Qt::AlignLeft);
    auto* heightLabel = new QLabel(tr("Greatest picture &height (mm)"), logoBox);
    heightLabel->setBuddy(m_maxHeight);
    grid->addWidget(heightLabel, 5, 0);
    // A picture at its own size could fill half the page; 0 lets it.
    m_maxHeight->setRange(0, 300);
    m_maxHeight->setSpecialValueText(tr("No limit"));
    m_maxHeight->setAccessibleName(tr("Greatest picture height in millimetres"));
    grid->addWidget(m_maxHeight, 5, 1, Qt::AlignLeft);
    grid->addWidget(m_showTagline, 6, 0);
    grid->addWidget(m_taglineText, 6, 1, 1, 2);
    m_taglineText->setAccessibleName(tr("Tag line"));
    grid->setColumnStretch(1, 1);
    layout->addWidget(logoBox);

    auto* stylesRow = new QHBoxLayout;
    auto* logoStyle = new QGroupBox(tr("Logo style"), this);
    auto* logoButtons = new QHBoxLayout(logoStyle);
    for (QPushButton* b : {m_logoFont, m_logoColour, m_logoBackground})
        logoButtons->addWidget(b);
    m_logoFont->setAccessibleName(tr("Logo font"));
    m_logoColour->setAccessibleName(tr("Logo colour"));
    m_logoBackground->setAccessibleName(tr("Logo background"));
    stylesRow->addWidget(logoStyle);
    auto* taglineStyle = new QGroupBox(tr("Tag line style"), this);
    auto* taglineButtons = new QHBoxLayout(taglineStyle);
    taglineButtons->addWidget(m_taglineFont);
    taglineButtons->addWidget(m_taglineColour);
    m_taglineFont->setAccessibleName(tr("Tag line font"));
    m_taglineColour->setAccessibleName(tr("Tag line colour"));
    stylesRow->addWidget(taglineStyle);
    stylesRow->addStretch(1);
    layout->addLayout(stylesRow);

    m_sample->setSunken(true);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setAccessibleName(tr("Sample"));
    // Large fonts are clipped rather than stretching the sheet.
    m_sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_sample->setMinimumHeight(m_sample->fontMetrics().lineSpacing() * 5);
    layout->addWidget(m_sample, 1);

    connect(m_mode, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            edited();
    });
    for (QCheckBox* box : {m_setWidth, m_showTagline})
        connect(box, &QCheckBox::toggled, this, &OptionsLogoPage::edited);
    for (QLineEdit* edit : {m_text, m_file, m_taglineText})
        connect(edit, &QLineEdit::textEdited, this, &OptionsLogoPage::edited);
    connect(m_width, &QSpinBox::valueChanged, this, &OptionsLogoPage::edited);
    connect(m_maxHeight, &QSpinBox::valueChanged, this, &OptionsLogoPage::edited);
    connect(m_browse, &QPushButton::clicked, this, &OptionsLogoPage::choosePicture);
    const auto styleButton = [this](QPushButton* button, auto change) {
        connect(button, &QPushButton::clicked, this, [this, change] {
            if (change())
                edited();
        });
    };
    styleButton(m_logoFont, [this] { return StyleDialogs::chooseFont(this, m_logo); });
    styleButton(m_taglineFont, [this] { return StyleDialogs::chooseFont(this, m_tagline); });
    styleButton(m_logoColour, [this] {
        uint32_t colour = m_logo.font.colour();
        if (!StyleDialogs::chooseColour(this, colour, tr("Logo colour")))
            return false;
        m_logo.font.setColour(colour);
        return true;
    });
    styleButton(m_taglineColour, [this] {
        uint32_t colour = m_tagline.font.colour();
        if (!StyleDialogs::chooseColour(this, colour, tr("Tag line colour")))
            return false;
        m_tagline.font.setColour(colour);
        return true;
    });
    styleButton(m_logoBackground, [this] {
        return StyleDialogs::chooseColour(this, m_logo.background, tr("Logo background"));
    });

    setTabOrder({radios[0], radios[1], radios[2], m_text, radios[3], m_file, m_browse, m_setWidth,
                 m_width, m_maxHeight, m_showTagline, m_taglineText, m_logoFont, m_logoColour,
                 m_logoBackground, m_taglineFont, m_taglineColour});
    m_browse->setMaximumWidth(m_browse->fontMetrics().horizontalAdvance(QStringLiteral("......")) +
                              m_browse->fontMetrics().averageCharWidth() * 4);

    m_logo = m_styles.style(StyleLogo);
    m_tagline = m_styles.style(StyleTagline);
    m_mode->button(0)->setChecked(true);
    updateControls();
}

void OptionsLogoPage::edited()
{
    setModified();
    updateControls();
}

void OptionsLogoPage::updateControls()
{
    const int mode = m_mode->checkedId();
    const bool tagline = m_showTagline->isChecked();
    m_text->setEnabled(mode == 2);
    for (QWidget* w : std::initializer_list<QWidget*>{m_logoFont, m_logoColour, m_logoBackground})
        w->setEnabled(mode == 1 || mode == 2);
    m_file->setEnabled(mode == 3);
    m_browse->setEnabled(mode == 3);
    m_showTagline->setEnabled(mode >= 1 && mode <= 3);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_taglineText, m_taglineFont, m_taglineColour})
        w->setEnabled(mode >= 1 && mode <= 3 && tagline);
    m_setWidth->setEnabled(mode == 3);
    m_width->setEnabled(mode == 3 && m_setWidth->isChecked());
    m_maxHeight->setEnabled(mode == 3);

    QString text;
    if (mode == 1 && m_businessName)
        text = m_businessName();
    else if (mode == 2)
        text = m_text->text();
    else if (mode == 3)
        text = QStringLiteral("PICTURE");
    StyleDialogs::showSample(*m_sample, m_logo, text);
}

void OptionsLogoPage::choosePicture()
{
    const QString start = m_file->text().isEmpty() ? QString() : QFileInfo(m_file->text()).path();
    const QString path = QFileDialog::getOpenFileName(this, tr("Logo Picture"), start,
                                                      QString::fromLatin1(PictureFilter));
    if (path.isEmpty())
        return;
    m_file->setText(QDir::toNativeSeparators(path));
    edited();
}

void OptionsLogoPage::loadSettings()
{
    m_logo = m_styles.style(StyleLogo);
    m_tagline = m_styles.style(StyleTagline);
    m_file->setText(SettingsStore::get(LogoFilename).toQString());
    m_text->setText(SettingsStore::get(LogoText).toQString());
    m_taglineText->setText(SettingsStore::get(LogoTagline).toQString());
    const int mode = SettingsStore::get(LogoMode);
    m_mode->button(mode >= 0 && mode <= 3 ? mode : 0)->setChecked(true);
    m_showTagline->setChecked(SettingsStore::isSet(LogoDisplayTagline));
    m_setWidth->setChecked(SettingsStore::isSet(LogoSetImageWidth));
    m_width->setValue(SettingsStore::get(LogoImageWidth));
    m_maxHeight->setValue(SettingsStore::get(LogoMaxHeight));
    updateControls();
}

void OptionsLogoPage::saveSettings()
{
    store(LogoFilename, OMString::fromQString(m_file->text()));
    store(LogoText, OMString::fromQString(m_text->text()));
    store(LogoTagline, OMString::fromQString(m_taglineText->text()));
    store(LogoMode, m_mode->checkedId());
    store(LogoDisplayTagline, m_showTagline->isChecked() ? 1 : 0);
    store(LogoSetImageWidth, m_setWidth->isChecked() ? 1 : 0);
    store(LogoImageWidth, m_width->value());
    store(LogoMaxHeight, m_maxHeight->value());
    // A style is written only when changed, so untouched ones keep following the defaults.
    if (!m_logo.looksLike(m_styles.style(StyleLogo)))
        m_styles.setStyle(StyleLogo, m_logo);
    if (!m_tagline.looksLike(m_styles.style(StyleTagline)))
        m_styles.setStyle(StyleTagline, m_tagline);
}
