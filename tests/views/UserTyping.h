#pragma once

#include "views/ItemGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>

/// Typing into the views as a user would, for the editing tests.
namespace UserTyping {

inline QString example(const char* name)
{
    return qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/" + name;
}

/// Types into a grid cell and commits it with Return.
inline void typeCell(ItemGrid& grid, int row, int column, const QString& text)
{
    grid.setFocusCell(row, column);
    for (QChar c : text)
        QTest::keyClick(grid.cellEditor() ? grid.cellEditor() : &grid, c.toLatin1());
    QTest::keyClick(grid.cellEditor() ? grid.cellEditor() : &grid, Qt::Key_Return);
    QApplication::processEvents();
}

/// Replaces what a field shows by typing.
inline void type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace UserTyping
