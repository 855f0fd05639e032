#pragma once

#include "layout/GGrid.h"

#include "foundation/OMString.h"

#include <initializer_list>
#include <memory>

class GPage;
class TextStyles;

/// The pieces every table of the printed page is made of.
class PageTable
{
public:
    static constexpr const char* MoneySample = "0,000,000.00";
    static constexpr uint32_t Stretching = GObject::FlagTakeRest | GObject::FlagFitContent;

    /// A full-width grid in `font` and its colour, rows alternating in the
    /// even and odd table colours.
    static std::unique_ptr<GGrid> create(const GFont& font, const TextStyles& styles);
    static void setColumn(GGrid& grid, int index, int align, const char* sample,
                          uint32_t flags = 0);
    /// A row of texts in `font` on `background`; it becomes the grid's header
    /// when it is the first row and `isHeader` is set.
    static GGridRow& addRow(GGrid& grid, std::initializer_list<ombrel::OMString> texts,
                            const GFont& font, uint32_t background, bool isHeader = false);
    /// A left-aligned caption paragraph in `font`, added to the body.
    static void caption(GPage& page, const ombrel::OMString& text, const GFont& font);
};
