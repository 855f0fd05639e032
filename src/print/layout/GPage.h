#pragma once

#include "GBand.h"
#include "GFont.h"
#include "GLayoutContext.h"
#include "GObject.h"
#include "GTextMeasures.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class GParagraph;
class QPainter;

/**
 * A composed document: a header section that opens the first page, a body
 * that flows over as many pages as it needs, and a footer at the foot of every
 * page. The page owns every object handed to it.
 *
 * Layout is in a fixed logical page: pageWidth() points wide (A4's printable
 * width unless set otherwise) and as high as the rectangle it is laid out for
 * is in proportion. Any device and any rectangle of the same proportions thus
 * gets the same pages, scaled: the preview shows what prints.
 */
class GPage
{
public:
    enum SectionType : int { Header = 0, Body = 1, Footer = 2 };

    /// A4 less the default print margins (20 mm left, 15 mm right, 10 mm top,
    /// 5 mm bottom), in points.
    static constexpr double DefaultWidth = (210.0 - 35.0) / 25.4 * 72.0;
    static constexpr double DefaultHeight = (297.0 - 15.0) / 25.4 * 72.0;

    /// The most pages a layout makes; a document that needs more is cut there.
    static constexpr int MaxPages = 10000;

    GPage();
    ~GPage();
    GPage(const GPage&) = delete;
    GPage& operator=(const GPage&) = delete;

    /**
     * The paragraph to add to in `section`. With `newParagraph` a new one is
     * started after all earlier content; without it the section's last
     * paragraph is reused. Without `create` no paragraph is made (null when
     * there is none to reuse).
     */
    GParagraph* paragraph(int section, bool newParagraph, bool create);
    /// Adds an object (a grid, a paragraph) to the end of `section`.
    GObject& addParagraph(std::unique_ptr<GObject> object, int section);
    template <typename T> T& addParagraph(std::unique_ptr<T> object, int section)
    {
        T& added = *object;
        addParagraph(std::unique_ptr<GObject>(std::move(object)), section);
        return added;
    }
    const std::vector<std::unique_ptr<GObject>>& objects(int section) const;

    /// Drops every object and the layout; the widths of the texts measured
    /// stay for the next composition, as long as it lays out the same texts.
    void clear();
    /// The widths of texts measured, kept across compositions.
    const GTextMeasures& measures() const { return m_measures; }
    /// The font of text added without one.
    GFont& defaultFont() { return m_context.defaultFont; }
    /// Marks the layout out of date: the next layout pass or draw lays out afresh.
    void recalculate();

    void setPageWidth(double points);
    double pageWidth() const { return m_pageWidth; }

    /// Lays the page out for a rectangle of these proportions, in any unit.
    void layout(const QRectF& rect);
    /// Draws page `pageIndex` scaled into `rect`, laying out first when the
    /// rectangle's proportions differ from the last layout.
    void draw(QPainter& painter, const QRectF& rect, int pageIndex);
    /// Pages of the current layout; lays out for the default page when needed.
    int getPageCount();
    /// The layout stopped at MaxPages with more still to place.
    bool isTruncated()
    {
        ensureLayout();
        return m_truncated;
    }
    /// The texts drawn on a page, one band per line, cells separated by tabs;
    /// of a band cut over pages, the lines on this page.
    QStringList pageText(int pageIndex);

    /// The lines that let loose pages be put back in order. A document of
    /// more than one page shows `numberFormat` ("%1" the page's number, "%2"
    /// the count) at the foot of every page, under the footer, and
    /// `continued` at the top of every page after the first. A one-page
    /// document shows neither; empty texts turn them off.
    struct PageMarks
    {
        QString numberFormat;
        QString continued;
        GFont font;
    };
    void setPageMarks(const PageMarks& marks);

private:
    /// A band, or the part of one from `offset` down, `visible` high, at `y`.
    struct Placement
    {
        const GBand* band;
        double y;
        double offset = 0;
        double visible = 0;

        bool isWhole() const { return offset == 0 && visible >= band->height; }
    };

    void layOutPages(double heightUnits);
    /// Places the flow bands on pages `bodyHeight` high, those after the
    /// first starting `laterTop` down.
    void paginate(double bodyHeight, double laterTop);
    /// The height of a page mark's line, 0 when there are none to show.
    double markHeight() const;
    QString numberText(int pageIndex) const;
    /// Starts a new page, with the header rows `band` repeats unless they
    /// would fill much of a body `bodyHeight` high; returns its y.
    double newPage(const GBand& band, double bodyHeight, double top);
    void ensureLayout();
    /// The height of a page of the default proportions, in layout units.
    double defaultHeightUnits() const;

    std::vector<std::unique_ptr<GObject>> m_sections[3];
    /// Widths of texts measured by earlier compositions, for the next.
    GTextMeasures m_measures;
    GLayoutContext m_context;
    double m_pageWidth = DefaultWidth;

    bool m_dirty = true;
    bool m_truncated = false;
    double m_heightUnits = 0;
    GBandList m_flowBands;
    GBandList m_footerBands;
    double m_footerHeight = 0;
    std::vector<std::vector<Placement>> m_pages;
    PageMarks m_marks;
    bool m_marked = false;
};
