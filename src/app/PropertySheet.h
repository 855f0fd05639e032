#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class PropertyPage;
class QPushButton;
class QStackedWidget;
class QSvgRenderer;
class QTabWidget;

/**
 * A modal sheet of PropertyPage pages. In Tabbed mode the pages are
 * tabs above OK and Cancel; in Wizard mode they follow one another with Back,
 * Next, Finish and Cancel, beside a picture drawn down the left side.
 *
 * Every page loads when the sheet is first shown; OK or Finish asks every
 * page whether it can save, then saves them all in order and refreshes the
 * open documents once when a page asks for it. Cancel saves nothing.
 */
class PropertySheet : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Tabbed, Wizard };

    PropertySheet(const QString& caption, Mode mode, QWidget* parent = nullptr);
    ~PropertySheet() override;

    Mode mode() const { return m_mode; }
    /// Takes `page` into the sheet, after the pages already there.
    void addPage(PropertyPage* page);
    int pageCount() const { return int(m_pages.size()); }
    PropertyPage* page(int index) const { return m_pages.at(size_t(index)); }
    int activeIndex() const;
    PropertyPage* activePage() const { return page(activeIndex()); }
    void setActivePage(int index);

    /// Wizard mode: the picture shown down the left side (an SVG resource).
    void setBackgroundPicture(const QString& svgPath);
    /// Called once after a confirmed save when a saved page refreshes views.
    void setRefreshViews(std::function<void()> refresh) { m_refresh = std::move(refresh); }

    /// Loads every page from the store; done by the first show, once.
    void loadPages();

    /// Wizard buttons, for keys and tests; null in Tabbed mode.
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* finishButton() const { return m_finish; }

public slots:
    /// OK or Finish: saves every page unless one refuses.
    void accept() override;
    void back();
    void next();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTabbed();
    void buildWizard();
    void updateWizardButtons();
    void pageActivated(int index);

    Mode m_mode;
    std::vector<PropertyPage*> m_pages;
    QTabWidget* m_tabs = nullptr;
    QStackedWidget* m_stack = nullptr;
    QWidget* m_picture = nullptr;
    std::unique_ptr<QSvgRenderer> m_pictureRenderer;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
    std::function<void()> m_refresh;
    bool m_loaded = false;
};
