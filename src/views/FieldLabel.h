#pragma once

#include <QLabel>

/**
 * The label in front of a form field: the field is its buddy, so the label's
 * Alt mnemonic moves the focus there, and the field's accessible name is the
 * label's text without the mnemonic mark.
 */
class FieldLabel : public QLabel
{
    Q_OBJECT

public:
    /// `text` may mark its mnemonic with "&" ("&&" for an ampersand).
    FieldLabel(const QString& text, QWidget* field, QWidget* parent = nullptr);

    /// Changes the text and, with it, the field's accessible name.
    void setLabelText(const QString& text);
    /// `text` without its mnemonic marks.
    static QString plainText(const QString& text);
    /// `text` (a text of the string table, so without marks) with its
    /// ampersands doubled and the first `letter` (either case) as mnemonic.
    static QString withMnemonic(const QString& text, QChar letter);
    /// The same with the mnemonic on the first letter of `key` where `key`
    /// first stands in the text ("te (" marks the t of "Rate (£/hr)").
    static QString withMnemonicAt(const QString& text, const QString& key);
};
