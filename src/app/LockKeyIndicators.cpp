#include "LockKeyIndicators.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#ifdef VORLANE_HAVE_X11
#include <X11/XKBlib.h>
// Xlib names event types as macros that clash with QEvent's.
#undef KeyPress
#undef KeyRelease
#endif

LockKeyIndicators::LockKeyIndicators(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const QString widest = QStringLiteral("SCRL");
    for (QLabel*& pane : m_panes) {
        pane = new QLabel(this);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 10);
        layout->addWidget(pane);
    }
    qApp->installEventFilter(this);
    refresh();
}

bool LockKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
            refresh();
            break;
        default:
            break;
        }
        break;
    case QEvent::ApplicationStateChange:
        refresh();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void LockKeyIndicators::refresh()
{
    const int locks = currentLocks();
    if (locks == m_shown)
        return;
    m_shown = locks;
    m_panes[0]->setText(locks & Caps ? QStringLiteral("CAP") : QString());
    m_panes[1]->setText(locks & Num ? QStringLiteral("NUM") : QString());
    m_panes[2]->setText(locks & Scroll ? QStringLiteral("SCRL") : QString());
}

int LockKeyIndicators::currentLocks()
{
#ifdef VORLANE_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return 0;
    unsigned int state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success)
        return 0;
    // The core keyboard's first three indicators are Caps, Num and Scroll Lock.
    return int(state & 7u);
#else
    return 0;
#endif
}
