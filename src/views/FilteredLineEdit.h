#pragma once

#include <QLineEdit>
#include <QString>

/**
 * A line edit that admits only some characters. In Include mode only the
 * characters of the filter can be typed or pasted; in Exclude mode the
 * filter's characters are the ones refused, so an empty filter admits any.
 * Text set by the program is taken as it is.
 */
class FilteredLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    enum Mode { Include = 0, Exclude = 1 };

    explicit FilteredLineEdit(QWidget* parent = nullptr);
    FilteredLineEdit(const QString& filter, Mode mode, QWidget* parent = nullptr);

    void setFilter(const QString& filter, Mode mode = Include);
    const QString& filter() const { return m_filter; }
    Mode mode() const { return m_mode; }
    /// Whether `c` may be typed.
    bool admits(QChar c) const;

public slots:
    /// Pastes the clipboard's admitted characters (Edit, Paste finds this slot by name).
    void paste();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString filtered(const QString& text) const;

    QString m_filter;
    Mode m_mode = Exclude;
};
