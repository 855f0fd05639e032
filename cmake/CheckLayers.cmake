# The include layering of src/, checked over every source.
#
#   include(.../cmake/CheckLayers.cmake)       from src/CMakeLists.txt: checks that folder
#   cmake -DSOURCE_DIR=src -P cmake/CheckLayers.cmake
#
# SOURCE_DIR is the include root (the folder holding foundation/, records/ ...).
# Optional: QT_INCLUDE_DIRS, Qt's include folders (configure time reads them
# from the Qt targets; without either, /usr/include/*/qt6 is searched).
#
# Every include directive, in any spelling, is resolved the way the compiler
# does: against the including file's folder, then against SOURCE_DIR. A name
# that reaches a file inside SOURCE_DIR belongs to that file's folder, which
# must be in the including folder's allow list below. A folder that holds
# sources and has no entry fails, so a new folder is checked from its first
# file. Names that reach nothing inside SOURCE_DIR (Qt, the standard library)
# only meet the second rule: outside views and app, no header of Qt Widgets,
# Print Support or another widget module, found by where the header lies in
# Qt's include folders, not by a list of class names.
#
# Any violation stops with FATAL_ERROR, listing all of them.

cmake_policy(VERSION 3.25)

# Each folder and the folders it may include, its own among them. To add a
# folder, give it a line here listing what it may use, and add it to the
# lists of the folders above it that may use it.
set(_vorlane_layers
    "foundation:foundation"
    "resources:foundation resources"
    "settings:foundation resources settings"
    "fileformat:foundation resources fileformat"
    "records:foundation resources settings fileformat records"
    "documents:foundation resources settings fileformat records documents"
    "ledger:foundation resources settings fileformat records documents ledger"
    "customers:foundation resources settings fileformat records customers"
    "print:foundation resources settings fileformat records print print/layout"
    "print/layout:foundation print/layout"
    "einvoice:foundation resources settings fileformat records print print/layout einvoice"
    "commands:foundation resources settings fileformat records documents ledger customers print print/layout einvoice commands"
    "views:foundation resources settings fileformat records documents ledger customers print print/layout einvoice commands views"
    "app:foundation resources settings fileformat records documents ledger customers print print/layout einvoice commands views app"
)
# The folders that may use Qt Widgets and Print Support; every other folder
# is the core, which sees Qt Core and Qt Gui only.
set(_vorlane_widget_layers views app)

# Qt's include roots (the folders holding QtCore/, QtGui/ ...), from the
# include folders of the Qt targets, QT_INCLUDE_DIRS, or the system's.
function(_vorlane_qt_include_roots out)
    set(dirs ${QT_INCLUDE_DIRS})
    if(NOT CMAKE_SCRIPT_MODE_FILE)
        foreach(target Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
            if(TARGET ${target})
                get_target_property(target_dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
                if(target_dirs)
                    list(APPEND dirs ${target_dirs})
                endif()
            endif()
        endforeach()
    endif()
    set(roots)
    foreach(dir IN LISTS dirs)
        if(dir MATCHES "\\$<")
            continue()
        endif()
        cmake_path(SET dir NORMALIZE "${dir}")
        cmake_path(GET dir FILENAME name)
        cmake_path(GET dir PARENT_PATH parent)
        if(IS_DIRECTORY "${dir}/QtCore")
            list(APPEND roots "${dir}")
        elseif(name MATCHES "^Qt[A-Za-z]+$" AND IS_DIRECTORY "${parent}/QtCore")
            list(APPEND roots "${parent}")
        endif()
    endforeach()
    if(NOT roots)
        file(GLOB roots LIST_DIRECTORIES true /usr/include/*/qt6 /usr/include/qt6)
    endif()
    list(REMOVE_DUPLICATES roots)
    set(${out} ${roots} PARENT_SCOPE)
endfunction()

# "path:line" of the first line of a file that holds the given text.
function(_vorlane_where file shown text out)
    file(READ "${file}" content)
    string(FIND "${content}" "${text}" at)
    if(at LESS 0)
        set(${out} "${shown}" PARENT_SCOPE)
        return()
    endif()
    string(SUBSTRING "${content}" 0 ${at} before)
    string(REGEX MATCHALL "\n" breaks "${before}")
    list(LENGTH breaks line)
    math(EXPR line "${line} + 1")
    set(${out} "${shown}:${line}" PARENT_SCOPE)
endfunction()

function(_vorlane_check_layers src_dir)
    cmake_path(ABSOLUTE_PATH src_dir NORMALIZE)
    string(REGEX REPLACE "/+$" "" src_dir "${src_dir}")
    if(NOT IS_DIRECTORY "${src_dir}")
        message(FATAL_ERROR "CheckLayers: ${src_dir} is no folder; pass -DSOURCE_DIR=<the src folder>")
    endif()
    # Paths in messages start at the include root's own name: src/records/X.h.
    cmake_path(GET src_dir PARENT_PATH shown_base)
    set(script "${CMAKE_CURRENT_FUNCTION_LIST_FILE}")

    set(known)
    foreach(entry IN LISTS _vorlane_layers)
        string(REGEX MATCH "^([^:]+):(.*)$" _ "${entry}")
        set(folder "${CMAKE_MATCH_1}")
        string(REPLACE " " ";" allowed_${folder} "${CMAKE_MATCH_2}")
        list(APPEND known "${folder}")
    endforeach()

    # Where a core source's Qt header names are looked up: the core's own Qt
    # folders first, as its compiler sees them (QtGui has some names that
    # QtWidgets repeats, such as qaction.h), then the widget modules.
    _vorlane_qt_include_roots(qt_roots)
    set(qt_core_path)
    set(qt_widget_dirs)
    foreach(root IN LISTS qt_roots)
        list(APPEND qt_core_path "${root}/QtCore" "${root}/QtGui" "${root}")
        file(GLOB widget_modules LIST_DIRECTORIES true "${root}/Qt*Widgets" "${root}/QtPrintSupport")
        foreach(module IN LISTS widget_modules)
            if(IS_DIRECTORY "${module}")
                list(APPEND qt_widget_dirs "${module}")
            endif()
        endforeach()
    endforeach()
    set(widget_module_regex "^(Qt[A-Za-z]*Widgets|QtPrintSupport)(/|$)")

    if(CMAKE_SCRIPT_MODE_FILE)
        file(GLOB_RECURSE sources "${src_dir}/*.h" "${src_dir}/*.cpp")
    else()
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${src_dir}/*.h" "${src_dir}/*.cpp")
    endif()
    list(SORT sources)

    set(report "")
    set(count 0)
    set(unlisted)
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH rel "${src_dir}" "${source}")
        file(RELATIVE_PATH shown "${shown_base}" "${source}")
        cmake_path(GET rel PARENT_PATH folder)
        cmake_path(GET source PARENT_PATH source_dir)
        cmake_path(GET shown PARENT_PATH shown_folder)

        if(NOT folder IN_LIST known)
            if(NOT folder IN_LIST unlisted)
                list(APPEND unlisted "${folder}")
                math(EXPR count "${count} + 1")
                string(APPEND report "  ${shown_folder} has no layer entry (first source: ${shown}); "
                    "add it to the table in ${script} with the folders it may include\n")
            endif()
            continue()
        endif()
        set(core TRUE)
        if(folder IN_LIST _vorlane_widget_layers)
            set(core FALSE)
        endif()

        file(STRINGS "${source}" lines ENCODING UTF-8
             REGEX "^[ \t]*#[ \t]*include(_next)?[ \t]*[<\"][^>\"]+[>\"]")
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "^[ \t]*#[ \t]*include(_next)?[ \t]*[<\"]([^>\"]+)[>\"]")
                continue()
            endif()
            set(name "${CMAKE_MATCH_2}")
            set(raw "${line}")
            string(STRIP "${line}" line)

            # The file the name reaches: beside the source, then under the
            # include root. A name with a folder that reaches no file but
            # points into an existing folder of the tree is judged by that
            # folder all the same.
            set(target "")
            set(guess "")
            set(bases "${source_dir}" "${src_dir}")
            if(IS_ABSOLUTE "${name}")
                set(bases "/")
            endif()
            foreach(base IN LISTS bases)
                cmake_path(SET candidate NORMALIZE "${base}/${name}")
                if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
                    set(target "${candidate}")
                    break()
                endif()
                cmake_path(GET candidate PARENT_PATH candidate_dir)
                if(NOT guess AND name MATCHES "/" AND IS_DIRECTORY "${candidate_dir}")
                    set(guess "${candidate}")
                endif()
            endforeach()
            if(NOT target)
                set(target "${guess}")
            endif()
            set(inside FALSE)
            if(target)
                cmake_path(IS_PREFIX src_dir "${target}" NORMALIZE inside)
            endif()

            if(inside)
                file(RELATIVE_PATH target_rel "${src_dir}" "${target}")
                cmake_path(GET target_rel PARENT_PATH target_folder)
                if(NOT target_folder IN_LIST allowed_${folder})
                    file(RELATIVE_PATH target_shown "${shown_base}" "${src_dir}/${target_folder}")
                    if(target_folder STREQUAL "")
                        set(target_shown "the top of ${target_shown}")
                    endif()
                    string(REPLACE ";" " " may "${allowed_${folder}}")
                    _vorlane_where("${source}" "${shown}" "${raw}" where)
                    math(EXPR count "${count} + 1")
                    string(APPEND report "  ${where}: '${line}' reaches ${target_shown}, "
                        "which the ${folder} layer may not include (it may include: ${may})\n")
                endif()
            elseif(core)
                # Spelled with a widget module's folder, or found first in one.
                set(widget FALSE)
                cmake_path(SET normal NORMALIZE "${name}")
                string(REGEX REPLACE "^(\\./)+" "" normal "${normal}")
                if(normal MATCHES "${widget_module_regex}")
                    set(widget TRUE)
                else()
                    foreach(dir IN LISTS qt_core_path qt_widget_dirs)
                        cmake_path(SET candidate NORMALIZE "${dir}/${name}")
                        if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
                            foreach(widget_dir IN LISTS qt_widget_dirs)
                                cmake_path(IS_PREFIX widget_dir "${candidate}" NORMALIZE in_widgets)
                                if(in_widgets)
                                    set(widget TRUE)
                                endif()
                            endforeach()
                            break()
                        endif()
                    endforeach()
                endif()
                if(widget)
                    _vorlane_where("${source}" "${shown}" "${raw}" where)
                    math(EXPR count "${count} + 1")
                    string(APPEND report "  ${where}: '${line}' is a Qt Widgets or Print Support header; "
                        "only views and app may use them, the core sees Qt Core and Qt Gui only\n")
                endif()
            endif()
        endforeach()
    endforeach()

    if(count GREATER 0)
        message(FATAL_ERROR "Include layering: ${count} violation(s); includes only go downward "
            "(see docs/ARCHITECTURE.md, Layers):\n${report}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    if(NOT DEFINED SOURCE_DIR)
        message(FATAL_ERROR "CheckLayers: pass -DSOURCE_DIR=<the src folder>")
    endif()
    _vorlane_check_layers("${SOURCE_DIR}")
else()
    _vorlane_check_layers("${CMAKE_CURRENT_SOURCE_DIR}")
endif()
