#include "StyleDialogs.h"

#include "print/TextStyle.h"
#include "print/TextStyles.h"
#include "print/layout/GUnits.h"
#include "views/ColourLabel.h"

#include <QColorDialog>
#include <QFontDialog>
#include <algorithm>

bool StyleDialogs::chooseFont(QWidget* parent, TextStyle& style)
{
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, style.font.deviceFont(), parent, QObject::tr("Font"));
    if (!ok)
        return false;
    style.font.setName(ombrel::OMString::fromQString(chosen.family()));
    const int size = chosen.pointSize() > 0 ? chosen.pointSize() : int(chosen.pointSizeF());
    style.font.setSize(std::clamp(size, TextStyles::MinFontSize, TextStyles::MaxFontSize));
    int bits = 0;
    if (chosen.bold())
        bits |= GFont::Bold;
    if (chosen.italic())
        bits |= GFont::Italic;
    if (chosen.underline())
        bits |= GFont::Underline;
    if (chosen.strikeOut())
        bits |= GFont::StrikeOut;
    style.font.setStyle(bits);
    return true;
}

bool StyleDialogs::chooseColour(QWidget* parent, uint32_t& colour, const QString& title)
{
    const QColor chosen = QColorDialog::getColor(GUnits::colour(colour), parent, title);
    if (!chosen.isValid())
        return false;
    colour = uint32_t(chosen.red()) | uint32_t(chosen.green()) << 8 | uint32_t(chosen.blue()) << 16;
    return true;
}

void StyleDialogs::showSample(ColourLabel& sample, const TextStyle& style, const QString& text)
{
    sample.setFont(style.font.deviceFont());
    sample.setTextColour(style.font.textColour());
    sample.setBackgroundColour(GUnits::colour(style.background));
    sample.setText(text);
}
