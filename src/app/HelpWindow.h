#pragma once

#include <QDialog>

class QTextBrowser;

/**
 * The manual in a window of the program's own, for a desktop that cannot
 * open it: the same HTML, its links within the manual followed here and
 * web addresses handed to the desktop.
 */
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
