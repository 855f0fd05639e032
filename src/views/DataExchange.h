#pragma once

#include <QList>
#include <QString>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

/**
 * One exchange pass of a tab: either loads fields into controls or saves
 * controls into fields. Each tab's exchangeData binds its controls in order;
 * a field that cannot be read stops the pass (see failed()).
 */
class DataExchange
{
public:
    enum Direction { Load, Save };

    explicit DataExchange(Direction direction) : m_direction(direction) {}

    bool isSaving() const { return m_direction == Save; }
    /// A field could not be read: the pass stopped there, the message was shown
    /// and the focus put into the field. Later bindings do nothing.
    bool failed() const { return m_failed; }
    /// The field that could not be read; null while the pass succeeds.
    QWidget* failedField() const { return m_failedField; }

    void text(QLineEdit* edit, QString& value);
    /// Multi-line text; the record keeps line feeds only.
    void multiLineText(QPlainTextEdit* edit, QString& value);
    void check(QCheckBox* box, bool& value);
    /// The index of the checked button of a group, -1 when none is checked.
    void radio(const QList<QRadioButton*>& group, int& value);
    /// A whole number; anything else, an empty field included, fails the pass
    /// with "Please enter an integer.".
    void number(QLineEdit* edit, uint32_t& value);
    /// A date as typed: saving reads it with SettingsStore::parseDateEntry and
    /// keeps the text in the date format; a text that is no date fails the
    /// pass with the reason.
    void date(QLineEdit* edit, QString& text);

    /// Stops the pass at `field`, which cannot be read: shows `message` and
    /// puts the focus into the field.
    void fail(QWidget* field, const QString& message);

private:
    Direction m_direction;
    bool m_failed = false;
    QWidget* m_failedField = nullptr;
};
