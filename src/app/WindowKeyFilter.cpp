#include "WindowKeyFilter.h"

#include "CommandActions.h"
#include "CommandIds.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

using namespace CommandIds;

WindowKeyFilter::WindowKeyFilter(const CommandActions& actions, QObject* parent) : QObject(parent)
{
    for (const int id : {FileNewEstimate, FileNewQuote, FileNewInvoice, FileNew, FileOpen,
                         FileSave, FilePrint, FileImport, FileExportPdf, Options, HelpContents,
                         ViewNextTab, ViewPreviousTab})
        if (QAction* action = actions.action(id))
            m_actions.append(action);
}

bool WindowKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : std::as_const(m_actions)) {
        if (!action->isEnabled() || !action->shortcuts().contains(pressed) ||
            !action->associatedObjects().contains(window))
            continue;
        // Not taken by the field: the shortcut runs.
        event->ignore();
        return true;
    }
    return false;
}
