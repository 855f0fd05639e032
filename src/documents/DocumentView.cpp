#include "DocumentView.h"

#include "UpdateHint.h"

void DocumentView::onInitialUpdate()
{
    onUpdate(nullptr, InitialUpdate);
}

bool DocumentView::onBeforeSave()
{
    onUpdate(nullptr, BeforeSave);
    return true;
}
