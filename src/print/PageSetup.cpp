#include "PageSetup.h"

#include "PdfExport.h"

#include <QSizeF>

PageSetup::PageSetup() : m_pageSize(PdfExport::defaultPageSize())
{
}

PageSetup& PageSetup::instance()
{
    static PageSetup setup;
    return setup;
}

QSizeF PageSetup::paperMillimetres() const
{
    const QSizeF size = m_pageSize.size(QPageSize::Millimeter);
    return m_orientation == QPageLayout::Landscape ? size.transposed() : size;
}

void PageSetup::setPageLayout(const QPageLayout& layout)
{
    if (!layout.isValid())
        return;
    if (layout.pageSize().isEquivalentTo(m_pageSize) && layout.orientation() == m_orientation)
        return;
    m_pageSize = layout.pageSize();
    m_orientation = layout.orientation();
    emit changed();
}

void PageSetup::reset()
{
    setPageLayout(QPageLayout(PdfExport::defaultPageSize(), QPageLayout::Portrait, QMarginsF()));
}
