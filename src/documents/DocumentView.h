#pragma once

class Document;

/// A view of a document: told by its document what happened.
class DocumentView
{
public:
    virtual ~DocumentView() = default;

    /// The view was attached to its document and is about to be shown.
    /// By default it hears the initial update hint.
    virtual void OnInitialUpdate();
    /// `hint` is an UpdateHint; `sender` the view that caused it, if any.
    virtual void OnUpdate(DocumentView* sender, int hint, void* object) = 0;
};
