#pragma once

/// What a document tells its views.
enum UpdateHint : int {
    /// The view is new and fills itself from the record.
    InitialUpdate = 0,
    /// The document was opened (or its record replaced): reload everything.
    DocumentOpened = 1,
    /// About to save: copy the controls into the record.
    BeforeSave = 2,
    /// Settings changed: recompose with fresh fonts and business details.
    SettingsChanged = 3,
    /// Saved: reload the controls from the record.
    AfterSave = 4,
};
