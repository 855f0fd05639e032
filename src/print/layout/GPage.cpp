#include "GPage.h"

#include "CDCSave.h"
#include "GParagraph.h"
#include "GUnits.h"

#include "foundation/OMException.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

namespace {

// A page whose footer leaves the body less than this share of the page lets
// the body run into the footer rather than make a page per line.
constexpr double MinimumBodyShare = 0.2;
// Heights closer than this share of the page count as the same proportions.
constexpr double SameProportions = 0.002;
// How many bands a chain kept together may span before pagination gives up on it.
constexpr int MaxKeptTogether = 8;
// The share of the body that must be free on a page to start a band taller
// than a page there rather than on the next one.
constexpr double TallBandStart = 0.25;
// The most of the body a table's repeated header rows may take.
constexpr double MaxRepeatedShare = 0.5;
// The least of a tall band a page shows, in layout units.
constexpr double MinimumSlice = 10;

// The section's objects, through a const or a mutable page.
template <typename Sections> auto& checkedSection(Sections& sections, int section)
{
    if (section < 0 || section > 2)
        throw ombrel::OMIndexOutOfBoundsException("section " + std::to_string(section));
    return sections[section];
}

} // namespace

GPage::GPage()
{
    m_context.measures = &m_measures;
}
GPage::~GPage()
{
    clear();
}

GParagraph* GPage::paragraph(int section, bool newParagraph, bool create)
{
    auto& objects = checkedSection(m_sections, section);
    if (!newParagraph && !objects.empty())
        if (auto* last = dynamic_cast<GParagraph*>(objects.back().get()))
            return last;
    if (!create)
        return nullptr;
    return &addParagraph(std::make_unique<GParagraph>(), section);
}

GObject& GPage::addParagraph(std::unique_ptr<GObject> object, int section)
{
    auto& objects = checkedSection(m_sections, section);
    objects.push_back(std::move(object));
    m_dirty = true;
    return *objects.back();
}

const std::vector<std::unique_ptr<GObject>>& GPage::objects(int section) const
{
    return checkedSection(m_sections, section);
}

void GPage::clear()
{
    // Bands refer to the objects: drop them first.
    m_pages.clear();
    m_flowBands.clear();
    m_footerBands.clear();
    for (auto& section : m_sections)
        section.clear();
    m_marks = {};
    m_marked = false;
    m_dirty = true;
    m_measures.newComposition();
}

void GPage::recalculate()
{
    m_dirty = true;
}

void GPage::setPageWidth(double points)
{
    if (points > 0 && points != m_pageWidth) {
        m_pageWidth = points;
        m_dirty = true;
    }
}

void GPage::layout(const QRectF& rect)
{
    const double widthUnits = GUnits::fromPoints(m_pageWidth);
    const double heightUnits = rect.width() > 0 && rect.height() > 0
                                   ? widthUnits * rect.height() / rect.width()
                                   : defaultHeightUnits();
    // Device rectangles are rounded to whole units: proportions that differ
    // by such rounding alone keep the layout, so a print job lays out once.
    if (m_dirty || std::abs(heightUnits - m_heightUnits) > m_heightUnits * SameProportions)
        layOutPages(heightUnits);
}

double GPage::defaultHeightUnits() const
{
    return GUnits::fromPoints(DefaultHeight * m_pageWidth / DefaultWidth);
}

void GPage::ensureLayout()
{
    if (m_dirty || m_pages.empty())
        layOutPages(m_heightUnits > 0 ? m_heightUnits : defaultHeightUnits());
}

void GPage::layOutPages(double heightUnits)
{
    m_pages.clear();
    m_flowBands.clear();
    m_footerBands.clear();
    m_heightUnits = heightUnits;
    m_measures.startLayout();
    const double width = GUnits::fromPoints(m_pageWidth);

    for (const auto& object : m_sections[Footer])
        object->layOut(m_context, width, GObject::AlignLeft, m_footerBands);
    m_footerHeight = 0;
    for (const auto& band : m_footerBands)
        m_footerHeight += band->height;

    const double bodyHeight =
        std::max(heightUnits - m_footerHeight, heightUnits * MinimumBodyShare);
    GLayoutContext context = m_context;
    context.bodyHeight = bodyHeight;
    for (int section : {int(Header), int(Body)}) {
        const auto& objects = m_sections[section];
        bool keptWithPrevious = false;
        for (size_t i = 0; i < objects.size(); ++i) {
            const size_t first = m_flowBands.size();
            objects[i]->layOut(context, width, GObject::AlignLeft, m_flowBands);
            const auto* paragraph = dynamic_cast<const GParagraph*>(objects[i].get());
            // A paragraph kept with the one before it (a caption under a
            // heading) stays whole; its last line follows its own rule.
            if (keptWithPrevious && paragraph)
                for (size_t b = first; b + 1 < m_flowBands.size(); ++b)
                    m_flowBands[b]->keepWithNext = true;
            // A caption paragraph stays with the table after it, a heading
            // with whatever follows.
            const bool beforeTable =
                i + 1 < objects.size() && !dynamic_cast<const GParagraph*>(objects[i + 1].get());
            keptWithPrevious = paragraph && m_flowBands.size() > first &&
                               (beforeTable || paragraph->keepWithNext());
            if (keptWithPrevious)
                m_flowBands.back()->keepWithNext = true;
        }
    }

    paginate(bodyHeight, 0);
    m_marked = false;
    const double mark = markHeight();
    if (mark > 0 && m_pages.size() > 1 && !m_truncated) {
        // The marks take a line at the foot of every page and one at the top
        // of the pages after the first: place the bands again around them.
        m_marked = true;
        m_pages.clear();
        paginate(std::max(heightUnits - m_footerHeight - mark, heightUnits * MinimumBodyShare),
                 m_marks.continued.isEmpty() ? 0 : mark);
    }
    m_dirty = false;
}

void GPage::paginate(double bodyHeight, double laterTop)
{
    m_truncated = false;
    // A band taller than a page is cut over several; what is kept with it
    // only needs room for its first part.
    const auto keptHeight = [&](const GBand& band) {
        return band.height > bodyHeight ? bodyHeight * TallBandStart : band.height;
    };
    // The room below the top and the repeated header rows of a new page.
    const auto freshRoom = [&](const GBand& band) {
        double room = bodyHeight - laterTop;
        if (band.repeatAbove)
            for (const GBand* header : *band.repeatAbove)
                room -= header->height;
        return room;
    };
    m_pages.emplace_back();
    double y = 0;
    for (size_t i = 0; i < m_flowBands.size(); ++i) {
        const GBand& band = *m_flowBands[i];
        // A chain of bands kept together goes to the next page whole when it
        // fits on one; a longer chain only keeps its first few bands together.
        double needed = keptHeight(band);
        size_t j = i;
        while (j + 1 < m_flowBands.size() && m_flowBands[j]->keepWithNext && needed <= bodyHeight) {
            needed += keptHeight(*m_flowBands[j + 1]);
            ++j;
        }
        if (needed > freshRoom(band)) {
            needed = keptHeight(band);
            for (j = i; j + 1 < m_flowBands.size() && m_flowBands[j]->keepWithNext &&
                        j < i + MaxKeptTogether;
                 ++j)
                needed += keptHeight(*m_flowBands[j + 1]);
        }
        if (y > 0 && y + needed > bodyHeight) {
            if (int(m_pages.size()) >= MaxPages) {
                m_truncated = true;
                break;
            }
            y = newPage(band, bodyHeight, laterTop);
        }
        double offset = 0;
        while (y + band.height - offset > bodyHeight && !m_truncated) {
            // Cut where no line of text is cut, else at the foot of the page;
            // every page takes at least a sliver, so this ends.
            const double room = std::max(bodyHeight - y, MinimumSlice);
            double cut = band.breakBefore(offset + room);
            if (cut <= offset || cut > offset + room)
                cut = offset + room;
            m_pages.back().push_back({&band, y, offset, cut - offset});
            offset = cut;
            if (int(m_pages.size()) >= MaxPages)
                m_truncated = true;
            else
                y = newPage(band, bodyHeight, laterTop);
        }
        if (m_truncated)
            break;
        m_pages.back().push_back({&band, y, offset, band.height - offset});
        y += band.height - offset;
    }
}

double GPage::newPage(const GBand& band, double bodyHeight, double top)
{
    m_pages.emplace_back();
    double y = top;
    // Header rows that would fill much of every page are not repeated.
    double headerHeight = 0;
    if (band.repeatAbove)
        for (const GBand* header : *band.repeatAbove)
            headerHeight += header->height;
    if (band.repeatAbove && headerHeight <= (bodyHeight - top) * MaxRepeatedShare) {
        for (const GBand* header : *band.repeatAbove) {
            m_pages.back().push_back({header, y, 0, header->height});
            y += header->height;
        }
    }
    return y;
}

void GPage::draw(QPainter& painter, const QRectF& rect, int pageIndex)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    layout(rect);
    if (pageIndex < 0 || pageIndex >= int(m_pages.size()))
        return;
    const double widthUnits = GUnits::fromPoints(m_pageWidth);
    const double scale = rect.width() / widthUnits;
    CDCSave saved(painter);
    painter.translate(rect.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, widthUnits, m_heightUnits), Qt::IntersectClip);
    // Every fill first, then every text: see GBand::addFills.
    const std::vector<Placement>& placements = m_pages[size_t(pageIndex)];
    std::vector<GBand::Fill> fills;
    for (const Placement& placed : placements) {
        const size_t first = fills.size();
        placed.band->addFills(fills, QPointF(placed.band->x, placed.y - placed.offset));
        if (placed.isWhole())
            continue;
        // Only the slice of a band cut over pages that this page shows.
        const QRectF slice(0, placed.y, widthUnits, placed.visible);
        for (size_t i = first; i < fills.size(); ++i)
            fills[i].rect = fills[i].rect.intersected(slice);
    }
    GBand::drawFills(painter, fills);
    for (const Placement& placed : placements) {
        const QPointF topLeft(placed.band->x, placed.y - placed.offset);
        if (placed.isWhole()) {
            placed.band->drawPart(painter, topLeft, 0, placed.band->height);
            continue;
        }
        CDCSave part(painter);
        painter.setClipRect(QRectF(0, placed.y, widthUnits, placed.visible), Qt::IntersectClip);
        placed.band->drawPart(painter, topLeft, placed.offset, placed.offset + placed.visible);
    }
    const double mark = m_marked ? markHeight() : 0;
    double y = m_heightUnits - m_footerHeight - mark;
    for (const auto& band : m_footerBands) {
        band->draw(painter, QPointF(band->x, y));
        y += band->height;
    }
    if (m_marked) {
        const GFont& font = m_context.resolve(m_marks.font);
        painter.setFont(font.layoutFont());
        painter.setPen(font.textColour());
        painter.drawText(QRectF(0, y, widthUnits, mark), Qt::AlignHCenter | Qt::AlignTop,
                         numberText(pageIndex));
        if (pageIndex > 0)
            painter.drawText(QRectF(0, 0, widthUnits, mark), Qt::AlignLeft | Qt::AlignTop,
                             m_marks.continued);
    }
}

void GPage::setPageMarks(const PageMarks& marks)
{
    m_marks = marks;
    m_dirty = true;
}

double GPage::markHeight() const
{
    if (m_marks.numberFormat.isEmpty() && m_marks.continued.isEmpty())
        return 0;
    return QFontMetricsF(m_context.resolve(m_marks.font).layoutFont()).height();
}

QString GPage::numberText(int pageIndex) const
{
    if (m_marks.numberFormat.isEmpty())
        return {};
    return m_marks.numberFormat.arg(pageIndex + 1).arg(m_pages.size());
}

int GPage::getPageCount()
{
    ensureLayout();
    return int(m_pages.size());
}

QStringList GPage::pageText(int pageIndex)
{
    ensureLayout();
    QStringList lines;
    if (pageIndex < 0 || pageIndex >= int(m_pages.size()))
        return lines;
    if (m_marked && pageIndex > 0 && !m_marks.continued.isEmpty())
        lines.append(m_marks.continued);
    for (const Placement& placed : m_pages[size_t(pageIndex)]) {
        lines.append(placed.isWhole()
                         ? placed.band->text()
                         : placed.band->textBetween(placed.offset, placed.offset + placed.visible));
    }
    for (const auto& band : m_footerBands)
        lines.append(band->text());
    if (m_marked && !m_marks.numberFormat.isEmpty())
        lines.append(numberText(pageIndex));
    return lines;
}
