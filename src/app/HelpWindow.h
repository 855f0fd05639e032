#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTextBrowser;

/**
 * The manual in a window of the program's own, the one F1 shows: the same
 * HTML, its links within the manual followed here and web addresses handed
 * to the desktop, a find field, and "Open in Browser" for the desktop's own
 * viewer.
 */
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* findField() const { return m_find; }
    QPushButton* browserButton() const { return m_openInBrowser; }

    /// Selects the next place the find field's text stands, from the top
    /// again after the last; false when the manual does not hold it.
    bool findNext();

private:
    QTextBrowser* m_browser;
    QLineEdit* m_find;
    QPushButton* m_openInBrowser;
};
