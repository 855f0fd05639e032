#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

/**
 * One page of a PropertySheet. The sheet calls loadSettings on every page
 * when it opens, then canSave and saveSettings on every page when the user
 * confirms; cancelling saves nothing. A page reads the store into its
 * controls in loadSettings and writes its controls back in saveSettings.
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

protected:
    /// Tab moves through `widgets` in this order.
    void setTabOrder(std::initializer_list<QWidget*> widgets);
    using QWidget::setTabOrder;

private:
    QString m_title;
    bool m_modified = false;
};
