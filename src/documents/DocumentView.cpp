#include "DocumentView.h"

#include "UpdateHint.h"

void DocumentView::OnInitialUpdate()
{
    OnUpdate(nullptr, InitialUpdate, nullptr);
}
