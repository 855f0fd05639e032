# One case of the layer check: writes a small source tree into WORK_DIR/src,
# adds the case's file, runs cmake/CheckLayers.cmake on it with `cmake -P`
# and compares the outcome.
#
#   CHECK_SCRIPT     the check
#   WORK_DIR         scratch folder of this case (emptied first)
#   SOURCE_DIR       optional: check this tree instead of the written one
#   CASE_FILE        optional: file to add, relative to src/
#   CASE_LINES       its lines, separated by "|"
#   EXPECT           "ok", or text the failure must show
#   EXPECT_COUNT     how many violations the failure must report
#   QT_INCLUDE_DIRS  Qt's include folders, handed on to the check

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
    file(REMOVE_RECURSE "${WORK_DIR}")
    set(SOURCE_DIR "${WORK_DIR}/src")
    # A clean tree in every spelling the rule allows: beside the file, from
    # the include root, with "..", spaced, in angle brackets; Qt Gui names
    # that Qt Widgets repeats (qaction.h); widgets where they belong.
    set(tree
        "foundation/Base.h|#include <QString>|#include <cstdint>"
        "resources/Strings.h|#include \"foundation/Base.h\""
        "settings/Store.h|#include <resources/Strings.h>"
        "fileformat/Archive.h|# include \"../foundation/Base.h\""
        "records/Record.h|#include \"foundation/Base.h\"|#  include \"../settings/Store.h\"|#include <fileformat/Archive.h>|#include <qaction.h>"
        "records/Record.cpp|#include \"Record.h\"|#include <memory>"
        "documents/Doc.h|#include <records/Record.h>|#include <qundostack.h>"
        "customers/Customers.h|#include \"records/Record.h\""
        "print/layout/GPage.h|#include \"foundation/Base.h\"|#include \"GPage.h\""
        "print/Page.h|#include \"layout/GPage.h\"|#include \"print/layout/GPage.h\"|#include <QPdfWriter>|#include \"../settings/Store.h\""
        "commands/Report.h|#include \"documents/Doc.h\"|#include \"customers/Customers.h\"|#include \"print/Page.h\""
        "views/EditTab.h|#include <QWidget>|#include \"commands/Report.h\"|#include <QPrinter>"
        "app/X.h|#include <QPushButton>|#include <QtWidgets>|#include \"views/EditTab.h\"|#include <X11/Xlib.h>"
    )
    if(CASE_FILE)
        list(APPEND tree "${CASE_FILE}|${CASE_LINES}")
    endif()
    foreach(entry IN LISTS tree)
        string(REPLACE "|" ";" lines "${entry}")
        list(POP_FRONT lines path)
        string(REPLACE ";" "\n" text "${lines}")
        file(WRITE "${SOURCE_DIR}/${path}" "// fixture\n${text}\n")
    endforeach()
endif()

execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${SOURCE_DIR}" "-DQT_INCLUDE_DIRS=${QT_INCLUDE_DIRS}"
            -P "${CHECK_SCRIPT}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
# CMake wraps and indents the message; compare with all white space as one blank.
string(REGEX REPLACE "[ \t\r\n]+" " " flat "${output}")
string(REGEX REPLACE "[ \t\r\n]+" " " EXPECT "${EXPECT}")

if(EXPECT STREQUAL "ok")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the check refused a clean tree:\n${output}")
    endif()
    return()
endif()
if(result EQUAL 0)
    message(FATAL_ERROR "the check passed, expected a failure showing: ${EXPECT}")
endif()
string(FIND "${flat}" "${EXPECT}" at)
if(at LESS 0)
    message(FATAL_ERROR "the check failed without showing '${EXPECT}':\n${output}")
endif()
string(FIND "${flat}" "Include layering: ${EXPECT_COUNT} violation(s)" at)
if(at LESS 0)
    message(FATAL_ERROR "expected ${EXPECT_COUNT} violation(s):\n${output}")
endif()
