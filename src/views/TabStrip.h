#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

/**
 * The row of tab titles above a document's tabs. Unlike QTabBar it never
 * scrolls: titles that do not fit wrap onto further rows, so every tab stays
 * in sight however narrow the window. Accessibility tools see it as a page
 * tab list (TabStripAccessible).
 */
class TabStrip : public QWidget
{
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    void insertTab(int index, const QString& title);
    int count() const { return int(m_titles.size()); }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    /// The rows the titles take at `width`.
    int rowCount(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    /// The rectangle of tab `index` at the strip's current width.
    QRect tabRect(int index) const;
    QString tabText(int index) const { return m_titles.value(index); }
    /// Chooses tab `index` as the user would: currentChanged follows when it
    /// is another tab. Clicks, keys and accessibility tools come here.
    void activateTab(int index);

    /// The focus is on a strip whose tabs the user is going through with the
    /// arrow keys: a tab being shown leaves the focus there.
    static bool isFocusBrowsingTabs();

signals:
    /// The user chose another tab.
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize tabSize(int index) const;
    std::vector<QRect> layoutFor(int width) const;
    /// Tells accessibility tools which tab is current.
    void announceCurrent();

    QStringList m_titles;
    int m_current = -1;
    bool m_choosingByKeys = false;
    mutable std::vector<QRect> m_rects;
    mutable int m_rectsWidth = -1;
};
