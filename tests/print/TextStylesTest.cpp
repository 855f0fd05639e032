#include "PrintTestSupport.h"

#include "print/PageFonts.h"
#include "print/layout/GUnits.h"

#include "foundation/OMException.h"
#include "settings/SettingsStore.h"

using ombrel::OMString;

namespace {

class TextStylesTest : public PrintTest
{
};

QStringList storedGroups()
{
    QSettings settings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"));
    settings.beginGroup(QStringLiteral("options/style"));
    return settings.childGroups();
}

} // namespace

TEST_F(TextStylesTest, EmptyStoreGivesTheDefaultTable)
{
    styles.loadStyles();
    struct Expected
    {
        const char* key;
        const char* title;
        const char* font;
        int size;
        int style;
        uint32_t colour;
        uint32_t background;
        int editable;
    };
    // Colours as the numbers the store holds.
    const Expected table[StyleCount] = {
        {"Logo", "Logo", "Comic Sans MS", 36, 0, 0, 16777215, 5},
        {"Tagline", "Tagline", "Arial", 11, 2, 8545380, 16777215, 5},
        {"Title", "Title", "Arial", 20, 1, 10485760, 16777215, 5},
        {"Heading", "Heading", "Arial", 18, 1, 7864320, 16777215, 5},
        {"Normal", "Normal", "Arial", 12, 0, 0, 16777215, 5},
        {"Detail", "Detail", "Arial", 10, 0, 7864320, 16777215, 5},
        {"Description", "Description", "Arial", 12, 2, 0, 16777215, 5},
        {"Footer", "Footer", "Arial", 8, 0, 13107200, 16777215, 5},
        {"Terms", "Terms of business", "Arial", 10, 0, 200, 16777215, 5},
        {"TableHeader", "Table Header", "Arial", 12, 1, 0, 15132390, 2},
        {"TableFooter", "Table Footer", "Arial", 12, 1, 0, 15132390, 2},
        {"TableEvenRow", "Even Table Rows", "Arial", 12, 0, 0, 16119285, 2},
        {"TableOddRow", "Odd Table Rows", "Arial", 12, 0, 0, 16777215, 2},
    };
    for (int i = 0; i < StyleCount; ++i) {
        SCOPED_TRACE(table[i].key);
        const TextStyle& s = styles.style(i);
        EXPECT_STREQ(TextStyles::styleName(i), table[i].key);
        EXPECT_EQ(s.title, table[i].title);
        EXPECT_EQ(s.font.name(), table[i].font);
        EXPECT_EQ(s.font.size(), table[i].size);
        EXPECT_EQ(s.font.style(), table[i].style);
        EXPECT_EQ(s.font.colour(), table[i].colour);
        EXPECT_EQ(s.background, table[i].background);
        EXPECT_EQ(s.editable, table[i].editable);
        EXPECT_FALSE(s.description.isEmpty());
    }
    EXPECT_EQ(styles.style(StyleDetail).description, "The font used for detailed information.");
    EXPECT_TRUE(storedGroups().isEmpty()) << "loading must not write";
}

TEST_F(TextStylesTest, SetStyleWritesTheFiveValuesOfThatStyleOnly)
{
    TextStyle terms = styles.style(StyleTerms);
    terms.font = GFont("Liberation Serif", 11, GFont::Italic, 255);
    terms.background = GUnits::rgb(1, 2, 3);
    styles.setStyle(StyleTerms, terms);

    EXPECT_EQ(storedGroups(), QStringList{QStringLiteral("Terms")});
    QSettings raw(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"));
    raw.beginGroup(QStringLiteral("options/style/Terms"));
    EXPECT_EQ(raw.value("name").toString(), "Liberation Serif");
    EXPECT_EQ(raw.value("size").toInt(), 11);
    EXPECT_EQ(raw.value("style").toInt(), GFont::Italic);
    EXPECT_EQ(raw.value("color").toInt(), 255);
    EXPECT_EQ(raw.value("bgcolor").toInt(), 0x030201);

    TextStyles reloaded;
    reloaded.loadStyles();
    EXPECT_EQ(reloaded.style(StyleTerms).font, terms.font);
    EXPECT_EQ(reloaded.background(StyleTerms), terms.background);
    EXPECT_EQ(reloaded.style(StyleTerms).title, "Terms of business") << "titles are never stored";
    EXPECT_EQ(reloaded.style(StyleNormal).font, TextStyles::defaultStyle(StyleNormal).font);
}

TEST_F(TextStylesTest, StoredColoursAreBlueGreenRed)
{
    SettingsStore::set(SettingKeys::StyleTextColour, "Normal", 255);
    SettingsStore::set(SettingKeys::StyleBackground, "Normal", 0xFF0000);
    styles.loadStyles();
    EXPECT_EQ(styles.font(StyleNormal).textColour(), QColor(255, 0, 0));
    EXPECT_EQ(GUnits::colour(styles.background(StyleNormal)), QColor(0, 0, 255));
}

TEST_F(TextStylesTest, BoldVariants)
{
    const GFont plain("Arial", 12, 0, 7);
    EXPECT_EQ(PageFonts::boldVariant(plain), GFont("Arial", 12, GFont::Bold, 7));
    const GFont italic("Arial", 12, GFont::Italic);
    EXPECT_EQ(PageFonts::boldVariant(italic).style(), GFont::Bold | GFont::Italic);
    // Already bold: one point larger, not bolder.
    const GFont bold("Arial", 10, GFont::Bold | GFont::Underline);
    EXPECT_EQ(PageFonts::boldVariant(bold), GFont("Arial", 11, GFont::Bold | GFont::Underline));

    SettingsStore::set(SettingKeys::StyleFontStyle, "Detail", int32_t(GFont::Bold));
    styles.loadStyles();
    PageFonts fonts;
    fonts.load(styles);
    EXPECT_EQ(fonts.detailBold.size(), 11);
    EXPECT_EQ(fonts.normalBold.size(), 12);
    EXPECT_EQ(fonts.descriptionBold.style(), GFont::Bold | GFont::Italic);

    // Sizes no page could show are brought into range, bold ones too.
    SettingsStore::set(SettingKeys::StyleFontSize, "Detail", 2147483647);
    SettingsStore::set(SettingKeys::StyleFontSize, "Normal", -5);
    styles.loadStyles();
    fonts.load(styles);
    EXPECT_EQ(fonts.detail.size(), TextStyles::MaxFontSize);
    EXPECT_EQ(fonts.detailBold.size(), TextStyles::MaxFontSize + 1);
    EXPECT_EQ(fonts.normal.size(), TextStyles::MinFontSize);
}

TEST_F(TextStylesTest, OutOfRangeIndexChangesNothing)
{
    styles.setStyle(StyleCount, styles.style(StyleLogo));
    styles.setStyle(-1, styles.style(StyleLogo));
    EXPECT_TRUE(storedGroups().isEmpty());
    EXPECT_THROW(styles.style(StyleCount), ombrel::OMIndexOutOfBoundsException);
}

TEST_F(TextStylesTest, ASettingsChangeRestylesTheComposedPage)
{
    PrintedPage printed(styles);
    const auto titleFont = [&printed]() {
        const GParagraph& head = *printed.page().paragraph(GPage::Header, false, false);
        for (int i = 0; i < head.itemCount(); ++i)
            if (head.item(i).text.str().find("QUOTE") != std::string::npos)
                return head.item(i).font;
        return GFont();
    };
    printed.compose("QUOTE", {});
    EXPECT_EQ(titleFont().size(), 20);

    TextStyle title = styles.style(StyleTitle);
    title.font.setSize(30);
    styles.setStyle(StyleTitle, title);
    printed.compose("QUOTE", {});
    EXPECT_EQ(titleFont().size(), 20) << "the preview keeps its fonts until told";

    printed.settingsChanged();
    printed.compose("QUOTE", {});
    EXPECT_EQ(titleFont().size(), 30);
}
