#include "PageTable.h"

#include "TextStyles.h"
#include "layout/GPage.h"
#include "layout/GParagraph.h"

std::unique_ptr<GGrid> PageTable::create(const GFont& font, const TextStyles& styles)
{
    auto grid = std::make_unique<GGrid>();
    grid->relativeWidth = 100;
    grid->setFont(font);
    grid->textColour = font.colour();
    grid->evenRowBackground = styles.background(StyleTableEvenRow);
    grid->oddRowBackground = styles.background(StyleTableOddRow);
    return grid;
}

void PageTable::setColumn(GGrid& grid, int index, int align, const char* sample, uint32_t flags)
{
    if (grid.columnCount() <= index)
        grid.setColumnCount(index + 1);
    GGridColumn& column = grid.column(index);
    column.setHAlign(align);
    if (sample)
        column.setText(sample);
    if (flags)
        column.setFlags(flags);
}

GGridRow& PageTable::addRow(GGrid& grid, std::initializer_list<ombrel::OMString> texts,
                            const GFont& font, uint32_t background, bool isHeader)
{
    GGridRow& row = grid.addRow();
    if (!font.isEmpty()) {
        row.setFont(font);
        row.textColour = font.colour();
    }
    row.background = background;
    int column = 0;
    for (const ombrel::OMString& text : texts) {
        if (!text.isEmpty())
            row.cell(column).setText(text);
        ++column;
    }
    if (isHeader && row.index == 0)
        grid.setHeaderRowCount(1);
    return row;
}

void PageTable::caption(GPage& page, const ombrel::OMString& text, const GFont& font)
{
    GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
    paragraph.setHAlign(GObject::AlignLeft);
    paragraph.addString(text, font);
}
