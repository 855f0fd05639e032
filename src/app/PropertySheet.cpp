#include "PropertySheet.h"

#include "PropertyPage.h"
#include "views/MessageHook.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The part of the wizard picture shown down the left side, in its own units.
constexpr double PictureStripWidth = 164.0;
constexpr double PictureHeight = 326.0;

} // namespace

PropertySheet::PropertySheet(const QString& caption, Mode mode, QWidget* parent)
    : QDialog(parent), m_mode(mode)
{
    setWindowTitle(caption);
    setModal(true);
    if (mode == Tabbed)
        buildTabbed();
    else
        buildWizard();
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::buildTabbed()
{
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    // Every tab stays in sight: the sheet is as wide as its tab row.
    m_tabs->setUsesScrollButtons(false);
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::pageActivated);
    layout->addWidget(buttons);
}

void PropertySheet::buildWizard()
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_picture = new QWidget(this);
    m_picture->installEventFilter(this);
    m_picture->setMinimumWidth(120);
    outer->addWidget(m_picture);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(16, 12, 12, 12);
    m_stack = new QStackedWidget(this);
    m_stack->setMinimumSize(fontMetrics().averageCharWidth() * 52,
                            fontMetrics().lineSpacing() * 15);
    right->addWidget(m_stack, 1);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    right->addWidget(rule);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_back = new QPushButton(tr("< &Back"), this);
    m_next = new QPushButton(tr("&Next >"), this);
    m_finish = new QPushButton(tr("&Finish"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton* button : {m_back, m_next, m_finish, cancel})
        buttons->addWidget(button);
    right->addLayout(buttons);
    outer->addLayout(right, 1);

    connect(m_back, &QPushButton::clicked, this, &PropertySheet::back);
    connect(m_next, &QPushButton::clicked, this, &PropertySheet::next);
    connect(m_finish, &QPushButton::clicked, this, &PropertySheet::accept);
    connect(cancel, &QPushButton::clicked, this, &PropertySheet::reject);
    connect(m_stack, &QStackedWidget::currentChanged, this, &PropertySheet::pageActivated);
    updateWizardButtons();
}

void PropertySheet::addPage(PropertyPage* page)
{
    m_pages.push_back(page);
    if (m_tabs)
        m_tabs->addTab(page, page->title());
    else
        m_stack->addWidget(page);
    updateWizardButtons();
}

int PropertySheet::activeIndex() const
{
    return m_tabs ? m_tabs->currentIndex() : m_stack->currentIndex();
}

void PropertySheet::setActivePage(int index)
{
    if (index < 0 || index >= pageCount())
        return;
    if (m_tabs)
        m_tabs->setCurrentIndex(index);
    else
        m_stack->setCurrentIndex(index);
}

void PropertySheet::setBackgroundPicture(const QString& svgPath)
{
    m_pictureRenderer = std::make_unique<QSvgRenderer>(svgPath);
    // Only the left strip of the picture is shown; the pages take the rest.
    m_pictureRenderer->setViewBox(QRectF(0, 0, PictureStripWidth, PictureHeight));
    if (m_picture)
        m_picture->update();
}

void PropertySheet::loadPages()
{
    if (m_loaded)
        return;
    m_loaded = true;
    for (PropertyPage* page : m_pages) {
        page->loadSettings();
        page->setModified(false);
    }
    pageActivated(activeIndex());
}

void PropertySheet::accept()
{
    loadPages();
    for (int i = 0; i < pageCount(); ++i) {
        // A page refusing shows its own message; it is brought forward first
        // so that the focus it sets lands in a visible field.
        setActivePage(i);
        if (!m_pages[size_t(i)]->canSave())
            return;
    }
    bool refresh = false;
    QString failure;
    for (PropertyPage* page : m_pages) {
        page->saveSettings();
        refresh = refresh || page->refreshesViews();
        if (const QString error = page->takeWriteError(); failure.isEmpty())
            failure = error;
    }
    if (refresh && m_refresh)
        m_refresh();
    // What could not be written stays on screen, to be tried again.
    if (!failure.isEmpty()) {
        MessageHook::show(tr("Not every option could be saved. %1\n\nThe options stay as "
                             "they are here: OK tries again, Cancel leaves them.")
                              .arg(failure),
                          MessageHook::Error, MessageHook::Ok);
        return;
    }
    QDialog::accept();
}

void PropertySheet::back()
{
    setActivePage(activeIndex() - 1);
}

void PropertySheet::next()
{
    setActivePage(activeIndex() + 1);
}

void PropertySheet::pageActivated(int index)
{
    updateWizardButtons();
    if (index < 0 || index >= pageCount() || !m_loaded)
        return;
    PropertyPage* page = m_pages[size_t(index)];
    page->activate();
    if (!m_stack)
        return;
    // A wizard page starts with the focus in its first field.
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        auto* radio = qobject_cast<QRadioButton*>(w);
        if (radio && !radio->isChecked())
            continue; // Tab reaches a group of radio buttons at its checked one
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_next->setFocus();
}

void PropertySheet::updateWizardButtons()
{
    if (!m_stack)
        return;
    const int index = m_stack->currentIndex();
    const bool last = index >= pageCount() - 1;
    m_back->setEnabled(index > 0);
    m_next->setVisible(!last);
    m_finish->setVisible(last);
    (last ? m_finish : m_next)->setDefault(true);
    (last ? m_next : m_finish)->setDefault(false);
}

void PropertySheet::showEvent(QShowEvent* event)
{
    loadPages();
    QDialog::showEvent(event);
}

void PropertySheet::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The picture keeps its proportions: its strip is as wide as the height allows.
    if (m_picture)
        m_picture->setFixedWidth(qRound(height() * PictureStripWidth / PictureHeight));
}

bool PropertySheet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture && event->type() == QEvent::Paint && m_pictureRenderer) {
        QPainter painter(m_picture);
        m_pictureRenderer->render(&painter, QRectF(m_picture->rect()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
