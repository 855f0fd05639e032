#pragma once

#include "documents/DocumentView.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class Document;
class EditTab;
class GPage;
struct PageFonts;
class PreviewTab;
class TabStrip;
class TotalsStrip;

/**
 * The view of an estimate, quote or invoice: a strip of tab titles over the
 * current tab. Derived views own their tabs as members and add them in display
 * order; the last is always the preview. Data moves between the screen and the
 * record only in whole-view passes (updateData): on switching tabs, saving,
 * printing and previewing.
 *
 * Under the tabs that edit figures (showsTotals) stands the totals strip; the
 * derived view fills it (refreshTotals) when such a tab is shown, after a load
 * pass, and whenever the current tab reports a committed change.
 */
class TabbedEditView : public QWidget, public DocumentView
{
    Q_OBJECT

public:
    explicit TabbedEditView(Document* document, QWidget* parent = nullptr);
    ~TabbedEditView() override;

    Document* document() const { return m_document; }

    /// Adds the document's content to the printed page, in the preview's fonts.
    virtual void composePage(GPage& page, const PageFonts& fonts);
    /// The title word of the printed page.
    virtual QString pageTitle() const;

    /// Adds a tab with the title of string `titleId`.
    void addTab(int titleId, EditTab* tab);
    /// Makes tab `index` the visible one, after a save pass over the view.
    void selectTab(int index);
    int currentIndex() const { return m_currentIndex; }
    EditTab* currentTab() const { return m_currentTab; }
    int tabCount() const { return int(m_tabs.size()); }
    EditTab* tab(int index) const { return m_tabs.at(index); }
    TabStrip* strip() const { return m_strip; }
    TotalsStrip* totalsStrip() const { return m_totals; }
    /// The business was VAT registered when the view was made.
    bool vatFlag() const { return m_vatFlag; }

    /// A whole-view pass; false when a field could not be read.
    bool updateData(bool save);
    bool isExchanging() const { return m_exchanging; }

    /// Called once the derived view has added its tabs: the first load pass,
    /// the initial update hint, and the first tab shown.
    void onInitialUpdate() override;
    void onUpdate(DocumentView* sender, UpdateHint hint) override;
    /// The save pass before a save; false (the field shown, the message
    /// given once) when a field cannot be read.
    bool onBeforeSave() override;

    /// As small as the largest of its tabs allows, so that tiled windows
    /// cut no label off (the area around them scrolls instead).
    QSize minimumSizeHint() const override;

    /// The tab that composes and prints the page; null for a view without one.
    virtual PreviewTab* previewTab() { return nullptr; }
    /// Whether the preview tab (the last) is the current one.
    bool isPreviewCurrent() const;

public slots:
    /// The print dialog, then the job; true once the pages went to the printer.
    bool print();
    /// True when the user printed from the preview.
    bool printPreview();
    void nextTab();
    void previousTab();
    void copy();
    void cut();
    void paste();
    void undo();

signals:
    /// The current tab changed; menus update what they enable.
    void currentTabChanged(int index);

protected:
    /// The whole-view step of a pass: creates the tab windows on the first
    /// load pass, then runs each tab's exchange in order. Derived views wrap it
    /// to move the record in before (load) or out after (save).
    virtual bool exchangeData(bool save);
    /// Printing goes to the preview tab; false when nothing was printed.
    bool printDocument(bool preview);

    /// Whether the totals strip stands under `tab`; none by default.
    virtual bool showsTotals(const EditTab* tab) const;
    /// Takes what `tab` holds into the record after a committed change, while
    /// the document is modified, so that the totals read it; nothing by default.
    virtual void takeFigures(EditTab* tab);
    /// Fills the totals strip for the current tab, which shows it, from the record.
    virtual void refreshTotals();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Shows tab `index` without a pass.
    void showTab(int index);
    void layoutTabs();
    /// Shows or hides the totals strip for the current tab and fills it.
    void updateTotals();
    void sendToFocus(const char* method);

    Document* m_document;
    TabStrip* m_strip;
    QWidget* m_area;
    TotalsStrip* m_totals;
    EditTab* m_currentTab = nullptr;
    int m_currentIndex = -1;
    QList<EditTab*> m_tabs;
    QStringList m_titles;
    bool m_vatFlag;
    bool m_created = false;
    bool m_exchanging = false;
};
