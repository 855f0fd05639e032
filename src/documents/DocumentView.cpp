#include "DocumentView.h"

#include "UpdateHint.h"

void DocumentView::OnInitialUpdate()
{
    OnUpdate(nullptr, InitialUpdate);
}

bool DocumentView::OnBeforeSave()
{
    OnUpdate(nullptr, BeforeSave);
    return true;
}
