#pragma once

#include "UpdateHint.h"

class Document;

/// A view of a document: told by its document what happened.
class DocumentView
{
public:
    virtual ~DocumentView() = default;

    /// The view was attached to its document and is about to be shown.
    /// By default it hears the initial update hint.
    virtual void onInitialUpdate();
    /// What happened to the document; `sender` is the view that caused it, if any.
    virtual void onUpdate(DocumentView* sender, UpdateHint hint) = 0;
    /// About to save: the view copies what it shows into the record. False
    /// when it could not (a field it cannot read, the reason shown): the
    /// save then stops and nothing is written. By default the view hears the
    /// BeforeSave hint and the save goes ahead.
    virtual bool onBeforeSave();
};
