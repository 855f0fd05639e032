#pragma once

#include "print/PageOptions.h"
#include "print/PrintedPage.h"
#include "print/TextStyles.h"
#include "print/layout/GGrid.h"
#include "print/layout/GPage.h"
#include "print/layout/GParagraph.h"

#include "resources/StringTable.h"

#include <QLocale>
#include <QSettings>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every printing test starts from an empty settings store and a British locale.
class PrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    static PageOptions options(int titleId, bool vat = false)
    {
        PageOptions o;
        o.vat = vat;
        o.pageTitle = StringTable::text(titleId);
        return o;
    }

    TextStyles styles;
};

namespace PrintTestSupport {

/// The grids of a section, those inside its paragraphs included, in order.
inline std::vector<const GGrid*> grids(const GPage& page, int section)
{
    std::vector<const GGrid*> found;
    for (const auto& object : page.objects(section)) {
        if (const auto* grid = dynamic_cast<const GGrid*>(object.get()))
            found.push_back(grid);
        if (const auto* paragraph = dynamic_cast<const GParagraph*>(object.get()))
            for (int i = 0; i < paragraph->itemCount(); ++i)
                if (const auto* inner = dynamic_cast<const GGrid*>(paragraph->item(i).object.get()))
                    found.push_back(inner);
    }
    return found;
}

inline std::string cell(const GGrid& grid, int row, int column)
{
    const GGridCell* c = grid.row(row).cellAt(column);
    return c ? c->text().str() : std::string();
}

/// The texts of one column, row by row.
inline std::vector<std::string> column(const GGrid& grid, int column)
{
    std::vector<std::string> texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        texts.push_back(cell(grid, r, column));
    return texts;
}

/// The index of the first row whose cell in `column` reads `text`, or -1.
inline int findRow(const GGrid& grid, int column, const std::string& text)
{
    for (int r = 0; r < grid.rowCount(); ++r)
        if (cell(grid, r, column) == text)
            return r;
    return -1;
}

/// Everything the paragraphs of a section say, in order.
inline std::string paragraphText(const GPage& page, int section)
{
    std::string text;
    for (const auto& object : page.objects(section))
        if (const auto* paragraph = dynamic_cast<const GParagraph*>(object.get()))
            for (int i = 0; i < paragraph->itemCount(); ++i)
                text += paragraph->item(i).text.str();
    return text;
}

inline std::string tr(int id)
{
    return StringTable::text(id).str();
}

} // namespace PrintTestSupport
