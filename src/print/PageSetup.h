#pragma once

#include <QObject>
#include <QPageLayout>
#include <QSizeF>

/**
 * The paper every document is laid out for: the locale's paper (Letter in
 * the United States, A4 elsewhere) until Print Setup chooses another, and
 * the orientation chosen there. Kept while the program runs. The preview,
 * the PDF export and the printer read it from here, so nothing needs a
 * printer (and its print server) until the user prints.
 */
class PageSetup : public QObject
{
    Q_OBJECT

public:
    /// The one page setup of the program.
    static PageSetup& instance();

    const QPageSize& pageSize() const { return m_pageSize; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    /// The paper's size in millimetres, turned as the orientation says.
    QSizeF paperMillimetres() const;

    /// Takes paper and orientation from a page layout (Print Setup's choice);
    /// signals `changed` when either differs.
    void setPageLayout(const QPageLayout& layout);
    /// Back to the locale's paper, upright.
    void reset();

signals:
    /// Every preview lays out again, so that it shows the printed page.
    void changed();

private:
    PageSetup();

    QPageSize m_pageSize;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
};
