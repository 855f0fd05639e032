#pragma once

#include "settings/SettingsStore.h"

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <utility>

/**
 * One page of a PropertySheet. The sheet calls loadSettings on every page
 * when it opens, then canSave and saveSettings on every page when the user
 * confirms; cancelling saves nothing. A page reads the store into its
 * controls in loadSettings and writes its controls back in saveSettings,
 * through store() or noteWrite(), which keep the first write that failed for
 * the sheet to report (writeError()).
 */
class PropertyPage : public QWidget
{
    Q_OBJECT
public:
    explicit PropertyPage(const QString& title, QWidget* parent = nullptr);

    const QString& title() const { return m_title; }

    /// Settings store into the page's controls.
    virtual void loadSettings() = 0;
    /// The page's controls into the settings store.
    virtual void saveSettings() = 0;
    /// Whether the page's values may be saved; a page that refuses says why
    /// (MessageHook) and puts the focus in the field at fault.
    virtual bool canSave() { return true; }
    /// Whether open documents must be refreshed after this page saves.
    virtual bool refreshesViews() const { return false; }
    /// The page was brought forward (after loading).
    virtual void activate() {}

    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }

    /// Why the last saveSettings could not write everything; empty when it
    /// did. Taking it clears it.
    QString takeWriteError() { return std::exchange(m_writeError, QString()); }

protected:
    /// Writes `values` to `setting` (SettingsStore::set); a failure is noted.
    template <typename Setting, typename... Values>
    void store(const Setting& setting, const Values&... values)
    {
        QString error;
        noteWrite(SettingsStore::set(setting, values..., &error), error);
    }
    /// Notes the first write of this save that failed, with its reason.
    void noteWrite(bool written, const QString& error)
    {
        if (!written && m_writeError.isEmpty())
            m_writeError = error;
    }

    /// Tab moves through `widgets` in this order.
    void setTabOrder(std::initializer_list<QWidget*> widgets);
    using QWidget::setTabOrder;

private:
    QString m_title;
    bool m_modified = false;
    QString m_writeError;
};
