#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

/**
 * One page of a PropertySheet. The sheet calls LoadData on every page
 * when it opens, then CanSave and SaveData on every page when the user
 * confirms; cancelling saves nothing. A page reads the store into its
 * controls in LoadData and writes its controls back in SaveData.
 */
class PropertyPage : public QWidget
{
    Q_OBJECT
public:
    explicit PropertyPage(const QString& title, QWidget* parent = nullptr);

    const QString& title() const { return m_title; }

    /// Settings store into the page's controls.
    virtual void LoadData() = 0;
    /// The page's controls into the settings store.
    virtual void SaveData() = 0;
    /// Whether the page's values may be saved; a page that refuses says why
    /// (MessageHook) and puts the focus in the field at fault.
    virtual bool CanSave() { return true; }
    /// Whether open documents must be refreshed after this page saves.
    virtual bool RefreshesViews() const { return false; }
    /// The page was brought forward (after loading).
    virtual void OnSetActive() {}

    bool isModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }

protected:
    /// Tab moves through `widgets` in this order.
    void SetTabOrder(std::initializer_list<QWidget*> widgets);

private:
    QString m_title;
    bool m_modified = false;
};
