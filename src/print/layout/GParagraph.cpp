#include "GParagraph.h"

#include "GLayoutContext.h"
#include "TextFlow.h"

#include <algorithm>

namespace {

class TextLineBand : public GBand
{
public:
    TextLineBand(std::shared_ptr<const TextFlow> flow, int line)
        : m_flow(std::move(flow)), m_line(line)
    {
    }
    void draw(QPainter& painter, QPointF topLeft) const override
    {
        m_flow->drawLine(painter, m_line, topLeft);
    }
    QString text() const override { return m_flow->lineText(m_line); }

private:
    std::shared_ptr<const TextFlow> m_flow;
    int m_line;
};

// The paragraph cut into runs of text and the objects between them.
struct Chunk
{
    std::vector<GTextRun> runs;
    bool wrap = false;
    const GObject* object = nullptr;
};

std::vector<Chunk> chunksOf(const GParagraph& paragraph, const GLayoutContext& context)
{
    std::vector<Chunk> chunks;
    bool afterObject = false;
    for (int i = 0; i < paragraph.itemCount(); ++i) {
        const GParagraph::Item& item = paragraph.item(i);
        if (item.object) {
            chunks.push_back({{}, false, item.object.get()});
            afterObject = item.object->isInline();
            continue;
        }
        QString text = item.text.toQString();
        if (afterObject && text.startsWith(QLatin1Char('\n')))
            text.remove(0, 1);
        afterObject = false;
        if (text.isEmpty())
            continue;
        if (chunks.empty() || chunks.back().object)
            chunks.emplace_back();
        const GFont& font = context.resolve(item.font);
        chunks.back().runs.push_back({text, font.layoutFont(), font.textColour()});
        chunks.back().wrap = chunks.back().wrap || item.flag;
    }
    return chunks;
}

} // namespace

void GParagraph::addString(const ombrel::OMString& text)
{
    m_items.push_back({text, GFont(), true, nullptr});
}

void GParagraph::addString(const ombrel::OMString& text, const GFont& font, bool flag)
{
    m_items.push_back({text, font, flag, nullptr});
}

GObject& GParagraph::add(std::unique_ptr<GObject> object)
{
    GObject& added = *object;
    m_items.push_back({{}, GFont(), true, std::move(object)});
    return added;
}

void GParagraph::layOut(const GLayoutContext& context, double width, int inheritedAlign,
                        GBandList& out) const
{
    const int align = hAlign() != AlignNone ? hAlign() : inheritedAlign;
    for (const Chunk& chunk : chunksOf(*this, context)) {
        if (chunk.object) {
            const size_t first = out.size();
            chunk.object->layOut(context, width, align, out);
            // A line of text just before an object stays on its page.
            if (first > 0 && first < out.size())
                out[first - 1]->keepWithNext = true;
            continue;
        }
        auto flow = std::make_shared<TextFlow>(chunk.runs, chunk.wrap);
        flow->layOut(width, align);
        for (int line = 0; line < flow->lineCount(); ++line) {
            auto band = std::make_unique<TextLineBand>(flow, line);
            band->height = flow->lineHeight(line);
            out.push_back(std::move(band));
        }
    }
}

double GParagraph::naturalWidth(const GLayoutContext& context) const
{
    double widest = 0;
    for (const Chunk& chunk : chunksOf(*this, context)) {
        widest = std::max(widest, chunk.object ? chunk.object->naturalWidth(context)
                                               : TextFlow(chunk.runs, false).naturalWidth());
    }
    return widest;
}

QString GParagraph::displayText() const
{
    QString text;
    for (const Item& item : m_items)
        text += item.object ? item.object->displayText() : item.text.toQString();
    return text;
}
