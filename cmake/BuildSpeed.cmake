# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Shorter builds from scratch. ./test.sh builds everything twice on a
# two-core machine (the plain build and the sanitizer build), and most of a
# source's compile time goes to the Qt and GoogleTest headers it includes.
#
# Precompiled headers: each target parses the outside headers its sources
# use most once, not once per source. Only headers from outside the project:
# a change of ours never rebuilds one. Targets with the same compile flags
# share a target's instead of making their own (the window-test programs).
# With ccache, precompiled headers need CCACHE_SLOPPINESS=pch_defines,time_macros
# (./test.sh sets it).
option(MARKWELL_PCH "Precompile the Qt, GoogleTest and standard headers of each target" ON)
# Unity builds compile the sources of a folder together, as one file (at
# most MARKWELL_UNITY_BATCH of them): less header parsing and less template
# code compiled again, but a change to one source compiles its batch again.
# Only the targets that say UNITY (the libraries and programs; the tests
# repeat their helpers' names from file to file). A batch never reaches
# beyond its folder, so a new file can only meet the names of its
# neighbours: names in anonymous namespaces must differ within a folder.
option(MARKWELL_UNITY "Compile the sources of each folder together (from scratch faster, after a small change slower)" OFF)
set(MARKWELL_UNITY_BATCH 8 CACHE STRING "Sources per batch of a unity build")

# The headers precompiled for each kind of target.
set(MARKWELL_PCH_core
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QLocale>
  <QObject> <QString> <QStringList> <QVariant>
  <algorithm> <array> <cstdint> <functional> <map> <memory> <optional> <string> <string_view>
  <unordered_map> <utility> <vector>)
set(MARKWELL_PCH_render ${MARKWELL_PCH_core}
  <QColor> <QFont> <QFontMetricsF> <QGuiApplication> <QPaintDevice> <QPainter>)
set(MARKWELL_PCH_widgets ${MARKWELL_PCH_render}
  <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox> <QFormLayout>
  <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu> <QPushButton>
  <QTabWidget> <QVBoxLayout> <QWidget>)
set(MARKWELL_PCH_gtest ${MARKWELL_PCH_core} <QProcess> <QTemporaryDir> <gtest/gtest.h>)
set(MARKWELL_PCH_qtest ${MARKWELL_PCH_widgets} <QProcess> <QSignalSpy> <QTemporaryDir> <QTest>)

# Puts the target's .cpp files into batches of one folder each, at most
# MARKWELL_UNITY_BATCH files and as even as that allows, in file name order.
function(_markwell_unity_batches target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(target_dir ${target} SOURCE_DIR)
  set(folders)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.cpp$")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${target_dir} OUTPUT_VARIABLE path)
      cmake_path(GET path PARENT_PATH folder)
      file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${folder})
      string(MAKE_C_IDENTIFIER "${folder}" folder)
      list(APPEND folders ${folder})
      list(APPEND in_${folder} ${source})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES folders)
  foreach(folder IN LISTS folders)
    list(LENGTH in_${folder} count)
    math(EXPR batches "(${count} + ${MARKWELL_UNITY_BATCH} - 1) / ${MARKWELL_UNITY_BATCH}")
    set(index 0)
    foreach(source IN LISTS in_${folder})
      math(EXPR batch "${index} * ${batches} / ${count}")
      set_property(SOURCE ${source} PROPERTY UNITY_GROUP ${folder}_${batch})
      math(EXPR index "${index} + 1")
    endforeach()
  endforeach()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
endfunction()

# markwell_build_speed(TARGET HEADERS KIND [UNITY])    precompiles MARKWELL_PCH_<KIND>
# markwell_build_speed(TARGET REUSE_FROM OTHER [UNITY]) uses OTHER's precompiled
#                                                       headers: the same compile flags
# UNITY: a unity build when MARKWELL_UNITY is on.
function(markwell_build_speed target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "UNITY" "HEADERS;REUSE_FROM" "")
  if(MARKWELL_UNITY AND arg_UNITY)
    _markwell_unity_batches(${target})
  endif()
  if(NOT MARKWELL_PCH)
    return()
  endif()
  if(arg_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${arg_REUSE_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${MARKWELL_PCH_${arg_HEADERS}})
  endif()
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Without a time stamp in the precompiled header ccache can reuse what
    # uses it.
    target_compile_options(${target} PRIVATE -Xclang -fno-pch-timestamp)
  endif()
  # ccache caches a compile that uses a precompiled header only when allowed
  # to overlook the __TIME__ and #define checks it cannot make through one.
  if(MARKWELL_CCACHE_SLOPPINESS)
    set_property(TARGET ${target} PROPERTY CXX_COMPILER_LAUNCHER
      env CCACHE_SLOPPINESS=${MARKWELL_CCACHE_SLOPPINESS} ${CMAKE_CXX_COMPILER_LAUNCHER})
  endif()
endfunction()

# The sloppiness ccache needs, added to what its configuration already says.
if(MARKWELL_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
  execute_process(COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} --get-config sloppiness
    OUTPUT_VARIABLE _sloppiness OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REPLACE " " "" _sloppiness "${_sloppiness}")
  string(REPLACE "," ";" _sloppiness "${_sloppiness}")
  list(APPEND _sloppiness pch_defines time_macros)
  list(REMOVE_DUPLICATES _sloppiness)
  list(REMOVE_ITEM _sloppiness "")
  string(JOIN "," MARKWELL_CCACHE_SLOPPINESS ${_sloppiness})
endif()
