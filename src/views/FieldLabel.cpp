#include "FieldLabel.h"

FieldLabel::FieldLabel(const QString& text, QWidget* field, QWidget* parent) : QLabel(parent)
{
    setBuddy(field);
    setLabelText(text);
}

void FieldLabel::setLabelText(const QString& text)
{
    setText(text);
    if (buddy())
        buddy()->setAccessibleName(plainText(text));
}

QString FieldLabel::plainText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

QString FieldLabel::withMnemonic(const QString& text, QChar letter)
{
    QString marked = text;
    marked.replace(u'&', QStringLiteral("&&"));
    const qsizetype at = marked.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at >= 0)
        marked.insert(at, u'&');
    return marked;
}

QString FieldLabel::withMnemonicAt(const QString& text, const QString& key)
{
    QString shown = QString(text).replace(u'&', QStringLiteral("&&"));
    const qsizetype at = shown.indexOf(key);
    if (at >= 0)
        shown.insert(at, u'&');
    return shown;
}
