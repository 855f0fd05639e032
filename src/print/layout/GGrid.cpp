#include "GGrid.h"

#include "GGridRowBand.h"
#include "GLayoutContext.h"
#include "TextFlow.h"

#include "foundation/OMException.h"

#include <QFontMetricsF>
#include <algorithm>
#include <numeric>
#include <string>

namespace {

const GGridCell& emptyCell()
{
    static const GGridCell cell;
    return cell;
}

// The most a sampled column widens for its cells, as a share of the table.
constexpr double MaxSampleGrowth = 0.4;
// The least share of the table left to columns without a sample before the
// sampled ones give way too.
constexpr double MinFlexibleShare = 0.1;

double padX(const GPadding& p)
{
    return GUnits::fromPoints(p.left + p.right);
}

} // namespace

void GGrid::setColumnCount(int count)
{
    count = std::max(0, count);
    while (int(m_columns.size()) < count)
        m_columns.push_back(std::make_unique<GGridColumn>());
    m_columns.resize(size_t(count));
}

GGridColumn& GGrid::column(int index)
{
    return const_cast<GGridColumn&>(std::as_const(*this).column(index));
}

const GGridColumn& GGrid::column(int index) const
{
    if (index < 0 || index >= int(m_columns.size()))
        throw ombrel::OMIndexOutOfBoundsException("column " + std::to_string(index));
    return *m_columns[size_t(index)];
}

GGridRow& GGrid::addRow()
{
    m_rows.push_back(std::make_unique<GGridRow>(int(m_rows.size())));
    m_rows.back()->reserveCells(columnCount());
    return *m_rows.back();
}

GGridRow& GGrid::row(int index)
{
    return const_cast<GGridRow&>(std::as_const(*this).row(index));
}

const GGridRow& GGrid::row(int index) const
{
    if (index < 0 || index >= int(m_rows.size()))
        throw ombrel::OMIndexOutOfBoundsException("row " + std::to_string(index));
    return *m_rows[size_t(index)];
}

const GFont& GGrid::cellFont(const GLayoutContext& context, int row, int column) const
{
    const GGridRow& r = this->row(row);
    const GGridCell* cell = r.cellAt(column);
    if (cell && !cell->font().isEmpty())
        return cell->font();
    if (!r.font().isEmpty())
        return r.font();
    return context.resolve(m_font);
}

uint32_t GGrid::cellTextColour(const GLayoutContext& context, int row, int column) const
{
    // The nearest level that names a colour or a font decides the colour.
    const GGridRow& r = this->row(row);
    if (const GGridCell* cell = r.cellAt(column)) {
        if (cell->textColour != GUnits::NoColour)
            return cell->textColour;
        if (!cell->font().isEmpty())
            return cell->font().colour();
    }
    if (r.textColour != GUnits::NoColour)
        return r.textColour;
    if (!r.font().isEmpty())
        return r.font().colour();
    if (textColour != GUnits::NoColour)
        return textColour;
    return context.resolve(m_font).colour();
}

uint32_t GGrid::cellBackground(int row, int column) const
{
    const GGridRow& r = this->row(row);
    if (const GGridCell* cell = r.cellAt(column); cell && cell->background != GUnits::NoColour)
        return cell->background;
    if (r.background != GUnits::NoColour)
        return r.background;
    return r.index % 2 == 0 ? evenRowBackground : oddRowBackground;
}

double GGrid::cellWidth(const GLayoutContext& context, int row, int column, Width which) const
{
    const GGridCell* cell = this->row(row).cellAt(column);
    if (!cell)
        return 0;
    const bool narrowest = which == Width::Minimum || which == Width::MinimumBound;
    const double pad = padX(cell->padding.value_or(DefaultCellPadding));
    if (const GObject* contents = cell->contents())
        return (narrowest ? contents->minimumWidth(context) : contents->naturalWidth(context)) +
               pad;
    if (cell->text().isEmpty())
        return 0;
    const auto flow = cellFlow(context, row, column);
    switch (which) {
    case Width::Natural:
        return flow->naturalWidth() + pad;
    case Width::Minimum:
        return flow->minimumWidth() + pad;
    case Width::NaturalBound:
        return flow->naturalWidthBound() + pad;
    case Width::MinimumBound:
        return flow->minimumWidthBound() + pad;
    }
    return 0;
}

std::shared_ptr<TextFlow> GGrid::cellFlow(const GLayoutContext& context, int row, int column) const
{
    const GGridCell* cell = this->row(row).cellAt(column);
    if (!cell)
        return std::make_shared<TextFlow>();
    return cell->flow(layoutFont(cellFont(context, row, column)),
                      GUnits::colour(cellTextColour(context, row, column)), context.measures);
}

QFont GGrid::layoutFont(const GFont& font) const
{
    // Sizes and styles tell most fonts apart before their names are compared.
    for (const auto& [known, qfont] : m_layoutFonts)
        if (known.size() == font.size() && known.style() == font.style() && known == font)
            return qfont;
    m_layoutFonts.emplace_back(font, font.layoutFont());
    return m_layoutFonts.back().second;
}

std::vector<double> GGrid::columnWidths(const GLayoutContext& context, double width) const
{
    std::vector<bool> sampled;
    std::vector<double> widths = preferredWidths(context, width, sampled);
    widenForSpans(context, width, widths);
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (total <= width)
        shareSpare(width - total, widths);
    else
        shrinkToFit(context, width, sampled, widths);
    return widths;
}

std::vector<double> GGrid::widestCells(const GLayoutContext& context) const
{
    const int n = columnCount();
    std::vector<double> widest(size_t(n), 0.0);
    for (int r = 0; r < rowCount(); ++r) {
        const GGridRow& gridRow = row(r);
        for (int c = 0; c < std::min(n, gridRow.cellCount()); ++c) {
            const GGridCell* cell = gridRow.cellAt(c);
            // Only a cell that may be wider than the widest so far is measured.
            if (cell && cell->columnSpan <= 1 &&
                cellWidth(context, r, c, Width::NaturalBound) > widest[size_t(c)])
                widest[size_t(c)] = std::max(widest[size_t(c)], cellNaturalWidth(context, r, c));
        }
    }
    return widest;
}

std::vector<double> GGrid::preferredWidths(const GLayoutContext& context, double width,
                                           std::vector<bool>& sampled) const
{
    const int n = columnCount();
    std::vector<double> widths(size_t(n), 0.0);
    sampled.assign(size_t(n), false);
    const QFontMetricsF metrics(context.resolve(m_font).layoutFont());
    const std::vector<double> widest = widestCells(context);
    for (int c = 0; c < n; ++c) {
        const GGridColumn& col = column(c);
        if (!col.sample().isEmpty()) {
            // The sample sets the width; a label a little wider than a number
            // ("E & OE" over quantities) widens the column rather than wrap.
            const double sample =
                metrics.horizontalAdvance(col.sample().toQString()) + padX(DefaultCellPadding);
            widths[size_t(c)] =
                std::max(sample, std::min(widest[size_t(c)], width * MaxSampleGrowth));
            sampled[size_t(c)] = true;
        } else if (!(col.hasFlags(FlagTakeRest) && !col.hasFlags(FlagFitContent))) {
            widths[size_t(c)] = widest[size_t(c)];
        }
    }
    return widths;
}

void GGrid::widenForSpans(const GLayoutContext& context, double width,
                          std::vector<double>& widths) const
{
    // A cell over several columns ("Less Payments Received" over two figures)
    // widens the last of them rather than wrap, as a single cell would.
    const int n = columnCount();
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < std::min(n, row(r).cellCount()); ++c) {
            const GGridCell* cell = row(r).cellAt(c);
            const int span = cell ? std::min(cell->columnSpan, n - c) : 1;
            if (span <= 1)
                continue;
            double spanned = 0;
            bool takesRest = false;
            for (int k = c; k < c + span; ++k) {
                spanned += widths[size_t(k)];
                takesRest = takesRest || column(k).hasFlags(FlagTakeRest);
            }
            const double natural = cellNaturalWidth(context, r, c);
            if (!takesRest && natural > spanned && natural <= width * MaxSampleGrowth)
                widths[size_t(c + span - 1)] += natural - spanned;
        }
    }
}

void GGrid::shareSpare(double spare, std::vector<double>& widths) const
{
    std::vector<int> takers;
    for (int c = 0; c < columnCount(); ++c)
        if (column(c).hasFlags(FlagTakeRest))
            takers.push_back(c);
    if (takers.empty())
        for (int c = 0; c < columnCount(); ++c)
            takers.push_back(c);
    for (int c : takers)
        widths[size_t(c)] += spare / double(takers.size());
}

void GGrid::shrinkToFit(const GLayoutContext& context, double width,
                        const std::vector<bool>& sampled, std::vector<double>& widths) const
{
    // Columns without a sample give way first, down to their narrowest.
    const int n = columnCount();
    const double excess = std::accumulate(widths.begin(), widths.end(), 0.0) - width;
    std::vector<double> minimum(size_t(n), 0.0);
    double spare = 0;
    for (int c = 0; c < n; ++c) {
        if (sampled[size_t(c)])
            continue;
        for (int r = 0; r < rowCount(); ++r) {
            const GGridCell* cell = row(r).cellAt(c);
            // A cell no wider unbroken than the narrowest found cannot be
            // narrower broken, nor one whose words are all narrower by their
            // bound: only the others need their words measured.
            if (cell && cell->columnSpan <= 1 &&
                cellWidth(context, r, c, Width::NaturalBound) > minimum[size_t(c)] &&
                cellWidth(context, r, c, Width::MinimumBound) > minimum[size_t(c)])
                minimum[size_t(c)] = std::max(minimum[size_t(c)], cellMinimumWidth(context, r, c));
        }
        minimum[size_t(c)] = std::min(minimum[size_t(c)], widths[size_t(c)]);
        spare += widths[size_t(c)] - minimum[size_t(c)];
    }
    if (spare >= excess && spare > 0) {
        for (int c = 0; c < n; ++c)
            if (!sampled[size_t(c)])
                widths[size_t(c)] -= (widths[size_t(c)] - minimum[size_t(c)]) * excess / spare;
        return;
    }
    // Even at their narrowest they do not fit. Figures must stay whole, so the
    // columns with a sample keep their width and the others share what is
    // left by their narrowest widths, breaking inside words.
    double fixed = 0;
    double narrowest = 0;
    for (int c = 0; c < n; ++c)
        (sampled[size_t(c)] ? fixed : narrowest) +=
            sampled[size_t(c)] ? widths[size_t(c)] : minimum[size_t(c)];
    const double rest = width - fixed;
    if (narrowest > 0 && rest >= width * MinFlexibleShare) {
        for (int c = 0; c < n; ++c)
            if (!sampled[size_t(c)])
                widths[size_t(c)] = minimum[size_t(c)] * rest / narrowest;
        return;
    }
    // The samples alone fill the table: everything shrinks alike.
    double shrunk = 0;
    for (int c = 0; c < n; ++c) {
        if (!sampled[size_t(c)])
            widths[size_t(c)] = minimum[size_t(c)];
        shrunk += widths[size_t(c)];
    }
    if (shrunk > 0)
        for (double& w : widths)
            w *= width / shrunk;
}

void GGrid::layOut(const GLayoutContext& context, double width, int inheritedAlign,
                   GBandList& out) const
{
    const int n = columnCount();
    if (n == 0 || m_rows.empty())
        return;
    const double tableWidth = width * std::clamp(relativeWidth, 1, 100) / 100.0;
    const int align = hAlign() != AlignNone ? hAlign() : inheritedAlign;
    const double offset = align == AlignCentre  ? (width - tableWidth) / 2
                          : align == AlignRight ? width - tableWidth
                                                : 0.0;
    const std::vector<double> widths = columnWidths(context, tableWidth);
    std::vector<double> lefts(size_t(n) + 1, 0.0);
    for (int c = 0; c < n; ++c)
        lefts[size_t(c) + 1] = lefts[size_t(c)] + widths[size_t(c)];

    auto header = std::make_shared<std::vector<const GBand*>>();
    for (int r = 0; r < rowCount(); ++r) {
        const GGridRow& gridRow = row(r);
        std::vector<GGridRowBand::Cell> cells;
        cells.reserve(size_t(n));
        double rowHeight = 0;
        for (int c = 0; c < n;) {
            const GGridCell& cell = gridRow.cellAt(c) ? *gridRow.cellAt(c) : emptyCell();
            const int span = std::clamp(cell.columnSpan, 1, n - c);
            GGridRowBand::Cell laid;
            laid.x = lefts[size_t(c)];
            laid.width = lefts[size_t(c + span)] - laid.x;
            laid.padding = cell.padding.value_or(DefaultCellPadding);
            laid.vAlign = cell.vAlign();
            laid.background = cellBackground(r, c);
            const double inner = std::max(1.0, laid.width - padX(laid.padding));
            laid.hAlign = cell.hAlign() != AlignNone ? cell.hAlign()
                          : cell.contents() && cell.contents()->hAlign() != AlignNone
                              ? cell.contents()->hAlign()
                          : column(c).hAlign() != AlignNone ? column(c).hAlign()
                                                            : AlignLeft;
            if (cell.contents()) {
                laid.contents = cell.contents();
                laid.contentsSize = cell.contents()->boxSize(context, inner);
                laid.contentHeight = laid.contentsSize.height();
            } else {
                laid.flow = cellFlow(context, r, c);
                laid.flow->layOut(inner, laid.hAlign);
                laid.contentHeight =
                    laid.flow->isEmpty()
                        ? QFontMetricsF(layoutFont(cellFont(context, r, c))).height()
                        : laid.flow->height();
            }
            rowHeight =
                std::max(rowHeight, laid.contentHeight +
                                        GUnits::fromPoints(laid.padding.top + laid.padding.bottom));
            cells.push_back(std::move(laid));
            c += span;
        }
        auto band = std::make_unique<GGridRowBand>(context, std::move(cells));
        band->height = rowHeight;
        band->x = offset;
        if (r < m_headerRows) {
            band->keepWithNext = true;
            header->push_back(band.get());
        } else if (!header->empty()) {
            band->repeatAbove = header;
        }
        // The last row (a total, the terms) never stands alone on a page.
        if ((r == rowCount() - 2 && r >= m_headerRows) || gridRow.keepWithNext)
            band->keepWithNext = true;
        out.push_back(std::move(band));
    }
}

double GGrid::naturalWidth(const GLayoutContext& context) const
{
    double total = 0;
    for (int c = 0; c < columnCount(); ++c) {
        double widest = 0;
        for (int r = 0; r < rowCount(); ++r)
            widest = std::max(widest, cellNaturalWidth(context, r, c));
        total += widest;
    }
    return total;
}

QString GGrid::displayText() const
{
    QStringList lines;
    for (const auto& r : m_rows) {
        QStringList cells;
        for (int c = 0; c < r->cellCount(); ++c)
            cells.append(r->cellAt(c)->displayText());
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n'));
}
