#pragma once

#include <QDialog>
#include <QPixmap>

/**
 * "About Vorlane": the program name and version over the splash picture, and
 * a paragraph with a link to the user manual.
 */
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    /// `helpFile` is the manual the link opens; empty when it is not installed.
    explicit AboutDialog(const QString& helpFile, QWidget* parent = nullptr);

    /// The text shown, in the label's HTML.
    QString text() const { return m_text; }

signals:
    /// The link was followed; the owner opens the manual.
    void helpRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
    QString m_text;
};
