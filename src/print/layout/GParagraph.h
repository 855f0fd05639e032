#pragma once

#include "GFont.h"
#include "GObject.h"

#include "foundation/OMString.h"

#include <memory>
#include <vector>

/**
 * A run of strings and objects. "\n" ends a line; an object stands on a line
 * of its own, and a "\n" right after a box or picture only ends that line. Strings without a
 * font take the page's default font.
 */
class GParagraph : public GObject
{
public:
    struct Item
    {
        ombrel::OMString text;
        GFont font;
        /// Set for content that may wrap; a separator added with false never
        /// makes its line wrap.
        bool flag = true;
        std::unique_ptr<GObject> object;
    };

    void addString(const ombrel::OMString& text);
    void addString(const ombrel::OMString& text, const GFont& font, bool flag = true);
    /// Adds an object, which the paragraph owns from now on.
    GObject& add(std::unique_ptr<GObject> object);
    template <typename T> T& add(std::unique_ptr<T> object)
    {
        T& added = *object;
        add(std::unique_ptr<GObject>(std::move(object)));
        return added;
    }

    /// Keeps the paragraph's last line on the page of what follows it (a
    /// heading); a paragraph just before a table always is.
    void setKeepWithNext(bool keep) { m_keepWithNext = keep; }
    bool keepWithNext() const { return m_keepWithNext; }

    int itemCount() const { return int(m_items.size()); }
    const Item& item(int index) const { return m_items[size_t(index)]; }

    void layOut(const GLayoutContext& context, double width, int inheritedAlign,
                GBandList& out) const override;
    double naturalWidth(const GLayoutContext& context) const override;
    QString displayText() const override;
    bool isInline() const override { return false; }

private:
    std::vector<Item> m_items;
    bool m_keepWithNext = false;
};
