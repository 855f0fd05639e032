#pragma once

#include "DataExchange.h"
#include "documents/UpdateHint.h"

#include <QWidget>

#include <functional>

class DocumentView;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class TabbedEditView;

/**
 * One page of a document's tabbed view, editing one part of the record.
 * Data moves between its controls and its fields only in exchange passes
 * (updateData); typing only marks the document modified.
 */
class EditTab : public QWidget
{
    Q_OBJECT

public:
    explicit EditTab(QWidget* parent = nullptr);

    TabbedEditView* ownerView() const { return m_owner; }
    void setOwnerView(TabbedEditView* view) { m_owner = view; }

    /// The tab became the visible one.
    virtual void activate() {}
    /// The tab is being left: a cell edit in progress is committed, so no
    /// editor stays open (and keeps the keyboard) in a hidden tab.
    void leave();
    /// Gives the keyboard to the tab: its first field, with its text
    /// selected so that typing replaces it, else its first control that
    /// takes the focus, else the tab itself.
    void takeFocus();
    /// Update hints the view passes on (initial update, settings changed).
    virtual void onDocumentUpdate(DocumentView* sender, UpdateHint hint);

    /// Runs this tab's exchange in one direction; false when a field could
    /// not be read (the pass stopped there).
    bool updateData(DataExchange::Direction direction);
    /// The field the last failed pass stopped at; null after a pass that succeeded.
    QWidget* failedField() const { return m_failedField; }
    /// True while this tab's own pass runs: its controls' change signals are
    /// then the pass filling them, never an edit.
    bool isExchanging() const { return m_exchanging; }

    /// Marks the owner view's document modified.
    void markModified();

signals:
    /// The user committed a change to a figure: a cell's editor closed on a
    /// new text, a row command, a field left or a box ticked. The view's
    /// totals follow.
    void committed();

protected:
    /// Binds the tab's controls to its fields, in order.
    virtual void exchangeData(DataExchange& dx);
    /// Makes typing into `edit` mark the document modified.
    void watchEdit(QLineEdit* edit);
    void watchEdit(QPlainTextEdit* edit);
    /// Runs `changed` whenever the user ticks or unticks `box`, by mouse, key
    /// or an accessibility tool's toggle, but not when a pass fills it.
    void watchBox(QCheckBox* box, std::function<void()> changed);

    /// The field that takes the focus when the tab is shown; none by default.
    virtual QWidget* firstField() const { return nullptr; }
    /// Takes the focus (takeFocus), unless the user is moving along the tab
    /// strip with the arrow keys.
    void showEvent(QShowEvent* event) override;
    /// Enter and Escape never close or reset a tab.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TabbedEditView* m_owner = nullptr;
    bool m_exchanging = false;
    QWidget* m_failedField = nullptr;
};
