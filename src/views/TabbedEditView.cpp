#include "TabbedEditView.h"

#include "EditTab.h"
#include "PreviewTab.h"
#include "TabStrip.h"
#include "TotalsStrip.h"
#include "documents/Document.h"
#include "documents/UpdateHint.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMetaObject>
#include <QVBoxLayout>

TabbedEditView::TabbedEditView(Document* document, QWidget* parent)
    : QWidget(parent), m_document(document), m_strip(new TabStrip(this)), m_area(new QWidget(this)),
      m_totals(new TotalsStrip(this)), m_vatFlag(SettingsStore::isVATRegistered())
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(m_strip);
    layout->addWidget(m_area, 1);
    layout->addWidget(m_totals);
    m_totals->hide();
    connect(m_strip, &TabStrip::currentChanged, this, &TabbedEditView::selectTab);
    // The document window gives its focus to the view on activation; the
    // current tab takes it, so the preview's keys work without a click.
    setFocusPolicy(Qt::StrongFocus);
    // The current tab fills the area below the strip, whatever resizes it.
    m_area->installEventFilter(this);
    if (m_document)
        m_document->addView(this);
}

TabbedEditView::~TabbedEditView()
{
    if (m_document)
        m_document->removeView(this);
}

void TabbedEditView::composePage(GPage&, const PageFonts&)
{
}

QString TabbedEditView::pageTitle() const
{
    return {};
}

void TabbedEditView::addTab(int titleId, EditTab* tab)
{
    const QString title = StringTable::text(titleId).toQString();
    tab->setOwnerView(this);
    tab->setParent(m_area);
    tab->hide();
    connect(tab, &EditTab::committed, this, [this, tab] {
        if (tab != m_currentTab || m_exchanging || !showsTotals(tab))
            return;
        if (m_document && m_document->isModified())
            takeFigures(tab);
        refreshTotals();
    });
    if (m_created)
        m_strip->insertTab(int(m_tabs.size()), title);
    m_tabs.append(tab);
    m_titles.append(title);
}

bool TabbedEditView::exchangeData(bool save)
{
    const auto direction = save ? DataExchange::Save : DataExchange::Load;
    for (int i = 0; i < m_tabs.size(); ++i) {
        EditTab* tab = m_tabs[i];
        if (!m_created) {
            if (i == 0) {
                m_currentTab = tab;
                m_currentIndex = 0;
            }
            m_strip->insertTab(i, m_titles.at(i));
            // A tab's window fills itself from its fields when it is made.
            tab->updateData(DataExchange::Load);
            continue;
        }
        // A field that cannot be read ends the pass: later tabs keep their
        // values and the record is not updated. Its tab comes forward so the
        // field the message names has the focus.
        if (!tab->updateData(direction)) {
            if (i != m_currentIndex)
                showTab(i);
            if (QWidget* field = tab->failedField())
                field->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    m_created = true;
    return true;
}

bool TabbedEditView::updateData(bool save)
{
    m_exchanging = true;
    const bool ok = exchangeData(save);
    m_exchanging = false;
    // A load pass brought new figures (an import, a settings change).
    if (!save && !m_totals->isHidden())
        refreshTotals();
    return ok;
}

bool TabbedEditView::showsTotals(const EditTab*) const
{
    return false;
}

void TabbedEditView::takeFigures(EditTab*)
{
}

void TabbedEditView::refreshTotals()
{
}

void TabbedEditView::updateTotals()
{
    const bool shown = m_currentTab && showsTotals(m_currentTab);
    m_totals->setVisible(shown);
    if (shown)
        refreshTotals();
}

void TabbedEditView::onInitialUpdate()
{
    updateData(false);
    onUpdate(nullptr, InitialUpdate);
    if (m_currentTab) {
        updateTotals();
        layoutTabs();
        m_currentTab->activate();
        m_currentTab->show();
        setFocusProxy(m_currentTab);
    }
}

void TabbedEditView::onUpdate(DocumentView* sender, UpdateHint hint)
{
    switch (hint) {
    case DocumentOpened:
        break;
    case BeforeSave:
        onBeforeSave();
        break;
    case AfterSave:
        updateData(false);
        break;
    default:
        for (int i = 0; i < m_tabs.size(); ++i)
            m_tabs[i]->onDocumentUpdate(sender, hint);
    }
}

bool TabbedEditView::onBeforeSave()
{
    return updateData(true);
}

void TabbedEditView::selectTab(int index)
{
    if (index < 0 || index >= m_tabs.size() || index == m_currentIndex)
        return;
    // The switch goes ahead even when a field could not be read; the next
    // pass tries again with the controls as they stand. A cell being edited
    // is committed first, so the pass takes what was typed.
    if (m_currentTab) {
        m_currentTab->leave();
        updateData(true);
    }
    showTab(index);
}

void TabbedEditView::showTab(int index)
{
    if (index == m_currentIndex)
        return;
    if (m_currentTab) {
        m_currentTab->leave();
        m_currentTab->hide();
    }
    m_currentTab = m_tabs[index];
    m_currentIndex = index;
    m_strip->setCurrentIndex(index);
    updateTotals();
    layoutTabs();
    m_currentTab->activate();
    m_currentTab->show();
    setFocusProxy(m_currentTab);
    emit currentTabChanged(index);
}

QSize TabbedEditView::minimumSizeHint() const
{
    QSize tabs(0, 0);
    for (const EditTab* tab : m_tabs)
        tabs = tabs.expandedTo(tab->minimumSizeHint());
    const QMargins margins = layout()->contentsMargins();
    const int width = tabs.width() + margins.left() + margins.right();
    return {width,
            tabs.height() + m_strip->heightForWidth(width) + margins.top() + margins.bottom()};
}

bool TabbedEditView::isPreviewCurrent() const
{
    return m_currentIndex >= 0 && m_currentIndex == m_tabs.size() - 1;
}

void TabbedEditView::layoutTabs()
{
    if (m_currentTab)
        m_currentTab->setGeometry(m_area->rect());
}

bool TabbedEditView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        layoutTabs();
    return QWidget::eventFilter(watched, event);
}

bool TabbedEditView::print()
{
    updateData(true);
    return printDocument(false);
}

bool TabbedEditView::printPreview()
{
    updateData(true);
    return printDocument(true);
}

bool TabbedEditView::printDocument(bool preview)
{
    PreviewTab* tab = previewTab();
    if (!tab)
        return false;
    if (!preview)
        return tab->print();
    return tab->printPreview();
}

void TabbedEditView::nextTab()
{
    if (m_currentIndex < m_tabs.size() - 1)
        selectTab(m_currentIndex + 1);
}

void TabbedEditView::previousTab()
{
    if (m_currentIndex > 0)
        selectTab(m_currentIndex - 1);
}

void TabbedEditView::sendToFocus(const char* method)
{
    if (QWidget* focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, method, Qt::QueuedConnection);
}

void TabbedEditView::copy()
{
    sendToFocus("copy");
}

void TabbedEditView::cut()
{
    sendToFocus("cut");
}

void TabbedEditView::paste()
{
    sendToFocus("paste");
}

void TabbedEditView::undo()
{
    sendToFocus("undo");
}
