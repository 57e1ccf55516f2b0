# Precompiled headers: the Qt headers (and GoogleTest's) that nearly every file includes,
# parsed once per layer instead of once per file. A layer's list holds only what that
# layer may include, so a core file that reaches for a widget still does not compile.
# Targets of one build share compile flags (the sanitizers are added to all of them),
# so the other targets of a layer reuse its header (REUSE_FROM) instead of building their own.
# GCC takes a header only where every macro defined when it was made (the linked Qt
# modules' QT_*_LIB, a target's own definitions) is defined alike; CMake's -Winvalid-pch with -Werror turns a mismatch into an error, not a silent slow build.
# The targets of one or two files whose Qt modules no other target shares (the throwaway
# home, the two test mains, the path record and its fuzz replay) have none: a header of their
# own would cost as much as the files it serves.
set(TINCTORA_PCH_CORE
  <QByteArray> <QColor> <QDir> <QFile> <QFileInfo> <QImage> <QList> <QObject> <QString> <QStringList>
  <QVariant> <array> <memory> <optional> <vector>)
set(TINCTORA_PCH_WIDGETS ${TINCTORA_PCH_CORE}
  <QAction> <QApplication> <QComboBox> <QDialog> <QLabel> <QMenu> <QMessageBox> <QMouseEvent> <QPainter>
  <QPushButton> <QRadioButton> <QSlider> <QTextEdit> <QTimer> <QToolBar> <QWidget>)
set(TINCTORA_PCH_CORE_TESTS ${TINCTORA_PCH_CORE} <gtest/gtest.h>)
# Qt Test gives every program that links it macros of its own (QT_TESTCASE_BUILDDIR and
# _SOURCEDIR), so no test program's header fits another: tinctora_test_pch, a target without
# them, owns the one the smaller test programs reuse, and the UI tests, by far the most
# files, have their own with <QTest> too.
set(TINCTORA_PCH_UI_TESTS ${TINCTORA_PCH_WIDGETS} <gtest/gtest.h>)
set(TINCTORA_PCH_UI_TESTS_QTEST ${TINCTORA_PCH_UI_TESTS} <QTest>)

# tinctora_pch(<target> <list>) gives the target its own precompiled header;
# tinctora_pch(<target> REUSE <owner>) reuses the owner's.
function(tinctora_pch target)
  if(ARGV1 STREQUAL "REUSE")
    target_precompile_headers(${target} REUSE_FROM ${ARGV2})
  else()
    target_precompile_headers(${target} PRIVATE ${${ARGV1}})
  endif()
endfunction()
