#pragma once

#include <QWidget>

class QLabel;

/// The status bar's CAP, NUM and SCRL panes, each lit while its lock key is on.
class LockKeyIndicators : public QWidget
{
    Q_OBJECT
public:
    explicit LockKeyIndicators(QWidget* parent = nullptr);

    /// Reads the lock keys again.
    void refresh();

protected:
    /// A lock key released anywhere in the program, or the program coming
    /// back to the front, may have changed a lock.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Lock { Caps = 1, Num = 2, Scroll = 4 };
    /// The locks that are on now; none where the platform cannot tell.
    static int currentLocks();

    QLabel* m_panes[3];
    int m_shown = -1;
};
