#include "print/layout/GGrid.h"
#include "print/layout/GLayoutContext.h"
#include "print/layout/GPage.h"
#include "print/layout/GParagraph.h"
#include "print/layout/GPicture.h"
#include "print/layout/GTextBox.h"
#include "print/layout/GTextMeasures.h"
#include "print/layout/GUnits.h"
#include "print/layout/TextFlow.h"

#include "foundation/OMException.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

const GFont Normal("Arial", 12, 0, 0);

GParagraph& paragraph(GPage& page, const char* text)
{
    GParagraph& p = *page.paragraph(GPage::Body, true, true);
    p.addString(text);
    return p;
}

double width(const char* text, const GFont& font = Normal)
{
    return QFontMetricsF(font.layoutFont()).horizontalAdvance(QString::fromUtf8(text));
}

double sum(const std::vector<double>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0);
}

// A grid with a header row and `rows` numbered rows.
std::unique_ptr<GGrid> numberedGrid(int rows)
{
    auto grid = std::make_unique<GGrid>();
    grid->setFont(Normal);
    grid->setColumnCount(2);
    grid->column(0).setFlags(GObject::FlagTakeRest);
    grid->column(1).setText("0,000.00");
    GGridRow& header = grid->addRow();
    header.cell(0).setText("Item");
    header.cell(1).setText("Amount");
    grid->setHeaderRowCount(1);
    for (int i = 1; i <= rows; ++i) {
        GGridRow& row = grid->addRow();
        row.cell(0).setText(ombrel::OMString::format("row %d", i));
        row.cell(1).setText("1.00");
    }
    return grid;
}

} // namespace

TEST(Layout, LineBreaksInParagraphs)
{
    GPage page;
    page.defaultFont() = Normal;
    paragraph(page, "\n");         // one empty line
    paragraph(page, "one\n");      // a trailing break adds no line
    paragraph(page, "two\nthree"); // two lines
    paragraph(page, "\n\n");       // two empty lines
    paragraph(page, "");           // nothing
    EXPECT_EQ(page.pageText(0), (QStringList{"", "one", "two", "three", "", ""}));

    // A "\n" right after a box only ends the box's line; after a table it adds one.
    GPage boxed;
    boxed.defaultFont() = Normal;
    GParagraph& p = *boxed.paragraph(GPage::Header, false, true);
    p.add(std::make_unique<GTextBox>("Logo", Normal));
    p.addString("\nTag");
    p.add(numberedGrid(0));
    p.addString("\n");
    EXPECT_EQ(boxed.pageText(0), (QStringList{"Logo", "Tag", "Item\tAmount", ""}));
}

TEST(Layout, LongTextWrapsAtTheWidth)
{
    GPage page;
    page.defaultFont() = Normal;
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "word ";
    paragraph(page, text.c_str());
    const QStringList lines = page.pageText(0);
    EXPECT_GT(lines.size(), 2);
    for (const QString& line : lines)
        EXPECT_LE(QFontMetricsF(Normal.layoutFont()).horizontalAdvance(line.trimmed()),
                  GUnits::fromPoints(GPage::DefaultWidth));
}

TEST(Layout, SectionsAndParagraphs)
{
    GPage page;
    GParagraph* head = page.paragraph(GPage::Header, false, true);
    EXPECT_EQ(page.paragraph(GPage::Header, false, true), head);
    EXPECT_NE(page.paragraph(GPage::Body, true, true), page.paragraph(GPage::Body, true, true));
    EXPECT_EQ(page.paragraph(GPage::Footer, false, false), nullptr);
    EXPECT_EQ(page.objects(GPage::Body).size(), 2u);
    EXPECT_THROW(page.paragraph(3, true, true), ombrel::OMIndexOutOfBoundsException);
    page.clear();
    EXPECT_TRUE(page.objects(GPage::Header).empty());
    EXPECT_EQ(page.getPageCount(), 1);
}

TEST(Layout, ColumnWidths)
{
    const GLayoutContext context{Normal};
    const double tableWidth = 2000;
    GGrid grid;
    grid.setFont(Normal);
    grid.setColumnCount(4);
    grid.column(0).setText("0,000");
    grid.column(1).setFlags(GObject::FlagTakeRest | GObject::FlagFitContent);
    grid.column(2).setFlags(GObject::FlagTakeRest);
    GGridRow& row = grid.addRow();
    row.cell(1).setText("Description");
    row.cell(3).setText("Fits its text");
    const double pad =
        GUnits::fromPoints(GGrid::DefaultCellPadding.left + GGrid::DefaultCellPadding.right);

    std::vector<double> w = grid.columnWidths(context, tableWidth);
    EXPECT_NEAR(sum(w), tableWidth, 0.01);
    EXPECT_NEAR(w[0], width("0,000") + pad, 0.01);
    EXPECT_NEAR(w[3], width("Fits its text") + pad, 0.01);
    // The spare width is shared by the two taking columns.
    const double spare = tableWidth - w[0] - w[3] - (width("Description") + pad);
    EXPECT_NEAR(w[2], spare / 2, 0.01);
    EXPECT_NEAR(w[1], width("Description") + pad + spare / 2, 0.01);

    // A label wider than the sample widens its column instead of wrapping.
    GGridRow& label = grid.addRow();
    label.cell(0).setText("E & OE");
    EXPECT_NEAR(grid.columnWidths(context, tableWidth)[0], width("E & OE") + pad, 0.01);

    // Too wide: the sampled column keeps its width, the others give way but
    // never below their longest word.
    GGridRow& longRow = grid.addRow();
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "Extraordinarily ";
    longRow.cell(1).setText(words.c_str());
    w = grid.columnWidths(context, tableWidth);
    EXPECT_NEAR(sum(w), tableWidth, 0.01);
    EXPECT_NEAR(w[0], width("E & OE") + pad, 0.01);
    EXPECT_GE(w[1], width("Extraordinarily") + pad - 0.01);
    EXPECT_GE(w[3], width("Fits") + pad - 0.01);
}

TEST(Layout, CellStylesFallBackToRowAndGrid)
{
    const GLayoutContext context{Normal};
    GGrid grid;
    grid.setFont(Normal);
    grid.setColumnCount(2);
    grid.evenRowBackground = 1;
    grid.oddRowBackground = 2;
    grid.textColour = 3;
    grid.addRow();
    GGridRow& odd = grid.addRow();
    GGridRow& styled = grid.addRow();
    styled.background = 4;
    styled.setFont(GFont("Arial", 14, GFont::Bold, 5));
    styled.cell(1).background = 6;
    styled.cell(1).setFont(GFont("Arial", 8, 0, 7));
    odd.cell(1).textColour = 8;

    EXPECT_EQ(grid.cellBackground(0, 0), 1u);
    EXPECT_EQ(grid.cellBackground(1, 0), 2u);
    EXPECT_EQ(grid.cellBackground(2, 0), 4u);
    EXPECT_EQ(grid.cellBackground(2, 1), 6u);
    EXPECT_EQ(grid.cellTextColour(context, 0, 0), 3u);
    EXPECT_EQ(grid.cellTextColour(context, 1, 1), 8u);
    EXPECT_EQ(grid.cellTextColour(context, 2, 0), 5u);
    EXPECT_EQ(grid.cellTextColour(context, 2, 1), 7u);
    EXPECT_EQ(grid.cellFont(context, 2, 0).size(), 14);
    EXPECT_EQ(grid.cellFont(context, 1, 0), Normal);
    EXPECT_THROW(grid.row(3), ombrel::OMIndexOutOfBoundsException);
}

TEST(Layout, LongTablesRepeatTheirHeaderRowOnEveryPage)
{
    GPage page;
    page.defaultFont() = Normal;
    page.paragraph(GPage::Footer, false, true)->addString("Foot");
    paragraph(page, "Heading");
    page.addParagraph(numberedGrid(300), GPage::Body);
    const int pages = page.getPageCount();
    ASSERT_GT(pages, 3);
    int rows = 0;
    for (int p = 0; p < pages; ++p) {
        const QStringList lines = page.pageText(p);
        EXPECT_EQ(lines.last(), "Foot");
        EXPECT_EQ(lines.count(QStringLiteral("Item\tAmount")), 1) << "page " << p;
        EXPECT_EQ(lines.indexOf(QStringLiteral("Item\tAmount")), p == 0 ? 1 : 0);
        rows += int(lines.filter(QStringLiteral("row ")).size());
    }
    EXPECT_EQ(rows, 300) << "every row once";
    EXPECT_TRUE(page.pageText(pages - 1).contains(QStringLiteral("row 300\t1.00")));
}

TEST(Layout, SameProportionsGiveTheSameLayout)
{
    GPage page;
    page.defaultFont() = Normal;
    page.addParagraph(numberedGrid(120), GPage::Body);
    page.layout(QRectF(0, 0, 210, 297));
    const int a4 = page.getPageCount();
    const QStringList first = page.pageText(1);
    page.layout(QRectF(0, 0, 2100 * 4, 2970 * 4));
    EXPECT_EQ(page.getPageCount(), a4);
    EXPECT_EQ(page.pageText(1), first);
    page.layout(QRectF(0, 0, 210, 150));
    EXPECT_GT(page.getPageCount(), a4) << "a shorter page holds fewer rows";
}

TEST(Layout, DrawsScaledIntoAnyRectangle)
{
    GPage page;
    page.defaultFont() = Normal;
    auto grid = numberedGrid(3);
    grid->row(0).background = GUnits::rgb(255, 0, 0);
    page.addParagraph(std::move(grid), GPage::Body);
    for (int scale : {1, 3}) {
        QImage image(210 * scale, 297 * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.draw(painter, QRectF(0, 0, image.width(), image.height()), 0);
        page.draw(painter, QRectF(0, 0, image.width(), image.height()), 5); // no such page: nothing
        painter.end();
        // The header row's red band spans the width at the top, scaled.
        EXPECT_EQ(image.pixelColor(image.width() / 2, 2 * scale), QColor(255, 0, 0)) << scale;
        EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::white));
    }
}

TEST(Layout, UnreadablePictureTakesNoRoom)
{
    GPage page;
    page.defaultFont() = Normal;
    GParagraph& p = *page.paragraph(GPage::Body, true, true);
    p.add(std::make_unique<GPicture>("/no/such/logo.bmp", 300));
    p.addString("\nAfter");
    EXPECT_EQ(page.pageText(0), QStringList{"After"});
}

TEST(Layout, CellPicturesFollowTheColumnAlignment)
{
    QImage red(96, 48, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString file = QDir::temp().filePath(QStringLiteral("vorlane-cell-picture.png"));
    ASSERT_TRUE(red.save(file));
    GPage page;
    page.defaultFont() = Normal;
    auto grid = std::make_unique<GGrid>();
    grid->setColumnCount(1);
    grid->column(0).setHAlign(GObject::AlignCentre);
    grid->addRow().cell(0).setContents(
        std::make_unique<GPicture>(ombrel::OMString::fromQString(file)));
    page.addParagraph(std::move(grid), GPage::Body);

    QImage image(int(GPage::DefaultWidth), int(GPage::DefaultHeight), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.draw(painter, QRectF(image.rect()), 0);
    painter.end();
    // The picture is 72 points wide, in the middle of the row.
    const int y = 20;
    EXPECT_EQ(image.pixelColor(image.width() / 2, y), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(image.width() / 2 - 40, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, y), QColor(Qt::white));
    QFile::remove(file);
}

TEST(Layout, FiguresStayWholeWhateverTheDescription)
{
    const GLayoutContext context{Normal};
    const double pad =
        GUnits::fromPoints(GGrid::DefaultCellPadding.left + GGrid::DefaultCellPadding.right);
    const double figure = width("0,000,000.00") + pad;
    GGrid grid;
    grid.setFont(Normal);
    grid.setColumnCount(4);
    grid.column(0).setFlags(GObject::FlagTakeRest | GObject::FlagFitContent);
    for (int c = 1; c < 4; ++c)
        grid.column(c).setText("0,000,000.00");
    GGridRow& line = grid.addRow();
    line.cell(1).setText("125,000.00");
    line.cell(3).setText("250,000.00");

    // A web address breaks after "/" and "-"; one that cannot break at all
    // still leaves the figures their width.
    const std::string address =
        "See https://www.example-supplier.co.uk/products/radiator-valves/15mm-angled-chrome";
    for (const std::string& text : {address, "x" + std::string(400, 'w')}) {
        line.cell(0).setText(text.c_str());
        for (double tableWidth : {1800.0, 2400.0}) {
            const std::vector<double> w = grid.columnWidths(context, tableWidth);
            EXPECT_NEAR(sum(w), tableWidth, 0.01);
            for (int c = 1; c < 4; ++c)
                EXPECT_GE(w[size_t(c)], figure - 0.01) << text << " in " << tableWidth;
            EXPECT_GT(w[0], 0);
        }
    }

    // A label over two figure columns widens them rather than wrap, even
    // beside a description too long for one line.
    GGridRow& label = grid.addRow();
    label.cell(1).setText("Less Payments Received, with thanks");
    label.cell(1).columnSpan = 2;
    const std::vector<double> w = grid.columnWidths(context, 2400);
    EXPECT_GE(w[1] + w[2], width("Less Payments Received, with thanks") + pad - 0.01);
    EXPECT_GE(w[3], figure - 0.01);
}

TEST(Layout, AWidePictureGivesWayToTheTitle)
{
    QImage wide(2000, 100, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(wide.save(file));
    const GLayoutContext context{Normal};
    GGrid grid;
    grid.setFont(Normal);
    grid.setColumnCount(2);
    grid.column(0).setFlags(GObject::FlagFitContent);
    grid.column(1).setFlags(GObject::FlagFitContent);
    GGridRow& head = grid.addRow();
    head.cell(0).setContents(std::make_unique<GPicture>(ombrel::OMString::fromQString(file)));
    head.cell(1).setText("INVOICE");
    const double pad =
        GUnits::fromPoints(GGrid::DefaultCellPadding.left + GGrid::DefaultCellPadding.right);
    const std::vector<double> w = grid.columnWidths(context, 2000);
    EXPECT_NEAR(sum(w), 2000, 0.01);
    EXPECT_GE(w[1], width("INVOICE") + pad - 0.01);
}

namespace {

// A table with a header row, one row of `lines` lines and a row after it.
std::unique_ptr<GGrid> tallRowGrid(int lines)
{
    auto grid = numberedGrid(0);
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text.append(QStringLiteral("line %1").arg(i));
    GGridRow& tall = grid->addRow();
    tall.cell(0).setText(ombrel::OMString::fromQString(text.join(QLatin1Char('\n'))));
    tall.cell(1).setText("9.99");
    grid->addRow().cell(0).setText("after");
    return grid;
}

} // namespace

TEST(Layout, ARowTallerThanAPageIsCutBetweenItsLines)
{
    auto grid = tallRowGrid(200);
    GBandList bands;
    grid->layOut(GLayoutContext{Normal}, 2000, GObject::AlignLeft, bands);
    ASSERT_EQ(bands.size(), 3u);
    const GBand& tall = *bands[1];
    const double top = GUnits::fromPoints(GGrid::DefaultCellPadding.top);
    const double line =
        (tall.height - top - GUnits::fromPoints(GGrid::DefaultCellPadding.bottom)) / 200;
    for (double limit : {top + 0.5, top + line * 10.5, top + line * 37.2, tall.height / 2}) {
        const double cut = tall.breakBefore(limit);
        EXPECT_LE(cut, limit);
        EXPECT_GT(cut, limit - line - 0.01);
        const double lines = (cut - top) / line;
        EXPECT_NEAR(lines, std::round(lines), 1e-6) << "cut at " << limit << " goes through a line";
    }

    // On the pages: each continuation page opens with the header row and
    // shows part of the row, and the row after it follows on the last one.
    GPage page;
    page.defaultFont() = Normal;
    page.paragraph(GPage::Footer, false, true)->addString("Foot");
    paragraph(page, "Before");
    page.addParagraph(std::move(grid), GPage::Body);
    const int pages = page.getPageCount();
    ASSERT_GE(pages, 3);
    // Every line of the row is on exactly one page, in order.
    int next = 0;
    for (int p = 0; p < pages; ++p) {
        const QStringList lines = page.pageText(p);
        EXPECT_EQ(lines.indexOf(QStringLiteral("Item\tAmount")), p == 0 ? 1 : 0) << "page " << p;
        EXPECT_EQ(lines.last(), "Foot");
        const QStringList rowLines = lines.filter(QStringLiteral("line ")).join(u'\n').split(u'\n');
        EXPECT_FALSE(rowLines.isEmpty()) << "page " << p;
        for (const QString& line : rowLines) {
            const QString text = line.section(u'\t', 0, 0);
            if (text.isEmpty())
                continue;
            EXPECT_EQ(text, QStringLiteral("line %1").arg(next)) << "page " << p;
            ++next;
        }
    }
    EXPECT_EQ(next, 200);
    EXPECT_EQ(page.pageText(pages - 1).filter(QStringLiteral("after")).size(), 1);

    // Drawn, no page is blank below the header row.
    for (int p = 0; p < pages; ++p) {
        QImage image(210, 297, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.draw(painter, QRectF(image.rect()), p);
        painter.end();
        int inked = 0;
        for (int y = 297 / 3; y < 297 * 2 / 3; ++y)
            for (int x = 0; x < 210; ++x)
                inked += image.pixelColor(x, y) != QColor(Qt::white);
        EXPECT_GT(inked, 0) << "page " << p;
    }
}

TEST(Layout, AHeadingStaysWithTheTableItIntroduces)
{
    for (int filler = 30; filler < 80; ++filler) {
        GPage page;
        page.defaultFont() = Normal;
        QStringList lines(filler, QStringLiteral("filler"));
        paragraph(page, lines.join(QLatin1Char('\n')).toUtf8().constData());
        GParagraph& heading = paragraph(page, "\n\nHeading\n");
        heading.setKeepWithNext(true);
        paragraph(page, "\nCaption");
        page.addParagraph(numberedGrid(3), GPage::Body);
        int headingPage = -1;
        int tablePage = -1;
        for (int p = 0; p < page.getPageCount(); ++p) {
            const QStringList text = page.pageText(p);
            if (text.contains(QStringLiteral("Heading")))
                headingPage = p;
            if (tablePage < 0 && text.contains(QStringLiteral("Item\tAmount")))
                tablePage = p;
        }
        ASSERT_GE(headingPage, 0);
        EXPECT_EQ(headingPage, tablePage) << filler << " lines before";
    }
}

TEST(Layout, TheLastRowOfATableNeverStandsAlone)
{
    for (int rows = 40; rows < 90; ++rows) {
        GPage page;
        page.defaultFont() = Normal;
        page.addParagraph(numberedGrid(rows), GPage::Body);
        const int last = page.getPageCount() - 1;
        if (last == 0)
            continue;
        EXPECT_GE(page.pageText(last).filter(QStringLiteral("row ")).size(), 2) << rows << " rows";
    }
}

TEST(Layout, AHeaderRowFillingThePageIsNotRepeated)
{
    // A header as tall as most of a page (huge text) would leave each later
    // page a sliver: it is shown once and the rows fill the pages after it.
    auto grid = numberedGrid(200);
    QStringList tall(45, QStringLiteral("Head"));
    grid->row(0).cell(0).setText(ombrel::OMString::fromQString(tall.join(QLatin1Char('\n'))));
    GPage page;
    page.defaultFont() = Normal;
    page.addParagraph(std::move(grid), GPage::Body);
    const int pages = page.getPageCount();
    EXPECT_LE(pages, 6);
    int rows = 0;
    for (int p = 0; p < pages; ++p)
        rows += int(page.pageText(p).filter(QStringLiteral("row ")).size());
    EXPECT_EQ(rows, 200);
}

TEST(Layout, APictureTallerThanThePageIsScaledToIt)
{
    QImage tall(10, 4000, QImage::Format_RGB32); // 3,000 points at 96 dpi
    tall.fill(Qt::green);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tall.png"));
    ASSERT_TRUE(tall.save(file));
    GPage page;
    page.defaultFont() = Normal;
    GParagraph& p = *page.paragraph(GPage::Body, true, true);
    p.add(std::make_unique<GPicture>(ombrel::OMString::fromQString(file)));
    p.addString("\nAfter");
    EXPECT_LE(page.getPageCount(), 2);
    EXPECT_TRUE(page.pageText(page.getPageCount() - 1).contains(QStringLiteral("After")));
}

TEST(Layout, APageThatWouldRunOverTheCeilingStopsThere)
{
    // Empty lines on a page lower than one of them: every line is cut over
    // several pages, more than the ceiling allows.
    GPage page;
    page.defaultFont() = Normal;
    paragraph(page, QString(GPage::MaxPages / 2, u'\n').toUtf8().constData());
    page.layout(QRectF(0, 0, 1000, 1));
    EXPECT_TRUE(page.isTruncated());
    EXPECT_EQ(page.getPageCount(), GPage::MaxPages);

    GPage fits;
    fits.defaultFont() = Normal;
    paragraph(fits, "One line");
    EXPECT_FALSE(fits.isTruncated());
    EXPECT_EQ(fits.getPageCount(), 1);
}

TEST(Layout, LongTextBreaksAsOneLayoutOfItWould)
{
    // Long pieces are broken in windows; the lines must be those that one
    // layout of the whole text gives.
    const QString word = QStringLiteral("abcdefghij").repeated(500);
    const QString prose = QStringLiteral("Lorem ipsum dolor sit amet, consectetur "
                                         "adipiscing-elit/sed do eiusmod tempor. ")
                              .repeated(120);
    const QFont font = Normal.layoutFont();
    for (const QString& text : {word, prose, prose + word + prose, QString(word + u' ' + word)}) {
        for (const double width : {300.0, 1777.0}) {
            TextFlow flow({{text, font, Qt::black}}, true);
            flow.layOut(width, 1);
            QTextLayout whole(text, font);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            whole.setTextOption(option);
            whole.beginLayout();
            for (QTextLine line = whole.createLine(); line.isValid(); line = whole.createLine())
                line.setLineWidth(width);
            whole.endLayout();
            ASSERT_EQ(flow.lineCount(), whole.lineCount()) << text.size() << " at " << width;
            for (int i = 0; i < flow.lineCount(); ++i) {
                const QTextLine line = whole.lineAt(i);
                ASSERT_EQ(flow.lineText(i), text.mid(line.textStart(), line.textLength()))
                    << "line " << i << " of " << text.size() << " at " << width;
            }
        }
    }
}

TEST(Layout, MeasuringAfterLayoutLeavesTheDrawnLines)
{
    // Measuring breaks the shaped text anew; drawing must still show the
    // lines laid out for the width.
    const auto render = [](const TextFlow& flow) {
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        flow.draw(painter, QPointF(0, 0));
        return image;
    };
    TextFlow flow(
        {{QStringLiteral("Several words that wrap over lines"), Normal.layoutFont(), Qt::black}},
        true);
    flow.layOut(width("Several words"), 1);
    ASSERT_GT(flow.lineCount(), 2);
    const QImage before = render(flow);
    EXPECT_GT(flow.naturalWidth(), flow.minimumWidth());
    EXPECT_EQ(render(flow), before);
}

namespace {

// A grid like an invoice's: a stretching description column that must give
// way, sampled figures, alternate rows filled.
std::unique_ptr<GGrid> invoiceLikeGrid(int rows, int changedRow = -1)
{
    auto grid = numberedGrid(0);
    grid->oddRowBackground = GUnits::rgb(230, 230, 230);
    for (int i = 1; i <= rows; ++i) {
        GGridRow& row = grid->addRow();
        row.cell(0).setText(ombrel::OMString::format(
            "Visit %d: %s", i,
            i % 4 == 0 ? "replace washers and pressure test the heating system, then the "
                         "radiators on the first floor and the towel rail in the bathroom"
                       : "service"));
        row.cell(1).setText(i == changedRow ? "987.65" : "1.00");
    }
    return grid;
}

QImage rendered(GPage& page, int index)
{
    QImage image(420, 594, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.draw(painter, QRectF(image.rect()), index);
    return image;
}

// Counts what a painter asks of its device: the switches between filling
// (no pen) and writing (a pen), which a PDF records as state changes.
class CountingEngine : public QPaintEngine
{
public:
    CountingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (!(state.state() & DirtyPen))
            return;
        const bool hasPen = state.pen().style() != Qt::NoPen;
        if (hasPen != m_hasPen)
            ++penSwitches;
        m_hasPen = hasPen;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++texts; }
    void drawRects(const QRectF*, int count) override { fills += count; }
    Type type() const override { return QPaintEngine::User; }

    int penSwitches = 0;
    int texts = 0;
    int fills = 0;

private:
    bool m_hasPen = true;
};

class CountingDevice : public QPaintDevice
{
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable CountingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 2100;
        case PdmHeight:
            return 2970;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 254;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }
};

} // namespace

TEST(Layout, ComposingAgainReusesTheWidthsOfTheTextsItKept)
{
    // A page composed again with one figure changed lays out and draws as a
    // page composed afresh with it: widths kept from before are those of
    // the same texts in the same fonts.
    GPage page;
    page.defaultFont() = Normal;
    page.addParagraph(invoiceLikeGrid(90), GPage::Body);
    page.layout(QRectF(0, 0, 210, 297));
    page.clear();
    page.addParagraph(invoiceLikeGrid(90, 37), GPage::Body);
    page.layout(QRectF(0, 0, 210, 297));

    GPage fresh;
    fresh.defaultFont() = Normal;
    fresh.addParagraph(invoiceLikeGrid(90, 37), GPage::Body);
    fresh.layout(QRectF(0, 0, 210, 297));
    ASSERT_EQ(page.getPageCount(), fresh.getPageCount());
    for (int i = 0; i < fresh.getPageCount(); ++i) {
        EXPECT_EQ(page.pageText(i), fresh.pageText(i)) << i;
        EXPECT_EQ(rendered(page, i), rendered(fresh, i)) << i;
    }
    QString all;
    for (int i = 0; i < page.getPageCount(); ++i)
        all += page.pageText(i).join('\n');
    EXPECT_TRUE(all.contains("987.65"));

    // What is kept follows what is laid out: a short document after a long
    // one keeps no more than its own texts once composed twice.
    for (int composition = 0; composition < 2; ++composition) {
        page.clear();
        page.addParagraph(invoiceLikeGrid(3), GPage::Body);
        page.layout(QRectF(0, 0, 210, 297));
    }
    EXPECT_GT(page.measures().size(), 0u);
    EXPECT_LE(page.measures().size(), 6u); // two headings, three descriptions, one figure
}

TEST(Layout, BoundsOfTextWidthsHoldAgainstTheMeasuredWidths)
{
    // Kerned pairs, ligatures, figures and words: a bound is never below the
    // width the font measures, whole or at the narrowest.
    GTextMeasures measures;
    for (const GFont& gfont :
         {Normal, GFont("Arial", 12, GFont::Bold), GFont("Arial", 9, GFont::Italic),
          GFont("Courier New", 10), GFont("Times New Roman", 14, GFont::Bold | GFont::Italic)}) {
        const QFont font = gfont.layoutFont();
        for (const char* text : {"AVAWAY To Tr. Ty Yo", "office affluent fjord", "0,000,000.00",
                                 "Visit 12: replace washers", "W.W.W.", "LT'\"LV\"", "  x  "}) {
            const QString string = QString::fromLatin1(text);
            TextFlow flow(GTextRun{string, font, Qt::black}, true);
            EXPECT_GE(measures.upperBound(font, string), flow.naturalWidth())
                << text << " " << gfont.name().c_str();
            EXPECT_GE(measures.widestWordBound(font, string), flow.minimumWidth())
                << text << " " << gfont.name().c_str();
        }
        // Figures summed from their characters and pairs are the widths the
        // font measures, to the last bit ("11" and "1," are kerned).
        for (const char* text : {"0,000,000.00", "-12.50", "20.0%", "7", "1,111,111.11",
                                 "1,234,567.89", "-0.01", "9999.9%", "100%", "7.1-1,1"}) {
            const QString string = QString::fromLatin1(text);
            EXPECT_EQ(measures.figureWidth(font, string),
                      QFontMetricsF(font).horizontalAdvance(string))
                << text << " " << gfont.name().c_str();
        }
        for (int n = 0; n < 2000; n += 7) {
            const QString figure = QString::number(n * 1.37, 'f', 2);
            ASSERT_EQ(measures.figureWidth(font, figure),
                      QFontMetricsF(font).horizontalAdvance(figure))
                << figure.toStdString();
        }
        EXPECT_EQ(measures.figureWidth(font, QStringLiteral("12 00")), -1);
        EXPECT_EQ(measures.figureWidth(font, QStringLiteral("\u00a312.00")), -1);
        // Beyond ASCII nothing is bounded: such text is always measured.
        EXPECT_TRUE(std::isinf(measures.upperBound(font, QStringLiteral("caf\u00e9"))));
        EXPECT_TRUE(std::isinf(measures.widestWordBound(font, QStringLiteral("a\tb"))));
    }
}

TEST(Layout, AFigureDrawnFromItsGlyphsLooksAsTheTextDrawn)
{
    GTextMeasures measures;
    for (const GFont& gfont : {Normal, GFont("Arial", 12, GFont::Bold | GFont::Italic)}) {
        const QFont font = gfont.layoutFont();
        for (const char* text : {"1,111,111.11", "-0.75", "17.5%"}) {
            const QString string = QString::fromLatin1(text);
            QGlyphRun run;
            ASSERT_TRUE(measures.figureRun(font, string, run)) << text;
            QImage drawn(400, 80, QImage::Format_RGB32);
            QImage glyphs = drawn;
            for (QImage* image : {&drawn, &glyphs}) {
                image->fill(Qt::white);
                QPainter painter(image);
                painter.setFont(font);
                if (image == &drawn)
                    painter.drawText(QPointF(10, 60), string);
                else
                    painter.drawGlyphRun(QPointF(10, 60), run);
            }
            EXPECT_EQ(drawn, glyphs) << text;
        }
    }
    // An underlined font draws its line with the text: such figures are shaped.
    QGlyphRun run;
    EXPECT_FALSE(
        measures.figureRun(GFont("Arial", 12, GFont::Underline).layoutFont(), "12.00", run));
    EXPECT_FALSE(measures.figureRun(Normal.layoutFont(), "12 00", run));
}

TEST(Layout, DescriptionsThatClearlyFitAreNotMeasured)
{
    // Short descriptions aligned left fit their column by their bound: only
    // the long ones and the figures are measured, and the rows come out as
    // those of a layout without bounds, which measures every text.
    GTextMeasures measures;
    GLayoutContext bounded;
    bounded.defaultFont = Normal;
    bounded.measures = &measures;
    GLayoutContext exact;
    exact.defaultFont = Normal;
    const double width = GUnits::fromPoints(GPage::DefaultWidth);
    const auto draw = [width](const GBandList& bands) {
        QImage image(int(width / 4), 1600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(0.25, 0.25);
        double y = 0;
        for (const auto& band : bands) {
            band->draw(painter, QPointF(band->x, y));
            y += band->height;
        }
        return image;
    };

    auto grid = invoiceLikeGrid(90);
    GBandList bands;
    grid->layOut(bounded, width, GObject::AlignLeft, bands);
    // The long descriptions, the headings, a figure and the first rows, which
    // are the widest until a long one comes: not the 90 descriptions.
    EXPECT_LE(measures.size(), size_t(90 / 4 + 8));
    auto same = invoiceLikeGrid(90);
    GBandList measured;
    same->layOut(exact, width, GObject::AlignLeft, measured);
    ASSERT_EQ(bands.size(), measured.size());
    for (size_t i = 0; i < bands.size(); ++i)
        EXPECT_EQ(bands[i]->height, measured[i]->height) << i;
    EXPECT_EQ(draw(bands), draw(measured));
}

TEST(Layout, APageFillsItsBackgroundsBeforeItsTextNotRowByRow)
{
    GPage page;
    page.defaultFont() = Normal;
    page.addParagraph(invoiceLikeGrid(40), GPage::Body);
    CountingDevice device;
    QPainter painter(&device);
    page.draw(painter, QRectF(0, 0, 2100, 2970), 0);
    painter.end();
    CountingEngine& counted = device.engine;
    ASSERT_GT(counted.fills, 10) << "alternate rows are filled";
    ASSERT_GT(counted.texts, 40);
    EXPECT_LE(counted.penSwitches, 2) << "fills and texts interleave";
}
