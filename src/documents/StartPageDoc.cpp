#include "StartPageDoc.h"

#include "resources/StringTable.h"

StartPageDoc::StartPageDoc()
{
    setTitle(StringTable::text(IDS_START_PAGE_TITLE).toQString());
}

bool StartPageDoc::onNewDocument(QString*)
{
    setTitle(StringTable::text(IDS_START_PAGE_NEW_TITLE).toQString());
    return true;
}
