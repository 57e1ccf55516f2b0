# Precompiled headers: the Qt headers (and GoogleTest's) that nearly every file includes,
# parsed once per layer instead of once per file. A layer's list holds only what that
# layer may include, so a core file that reaches for a widget still does not compile.
# Targets of one build share compile flags (the sanitizers are added to all of them),
# so the other targets of a layer reuse its header (REUSE_FROM) instead of building their own.
# GCC takes a header only where the same Qt modules are linked (their QT_*_LIB macros);
# CMake's -Winvalid-pch with -Werror turns a mismatch into an error, not a silent slow build.
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
# Qt Test gives every program that links it its own QT_TESTCASE_BUILDDIR, which a shared
# header would have to match: each test program of the UI layer builds its own.
set(TINCTORA_PCH_UI_TESTS ${TINCTORA_PCH_WIDGETS} <QTest> <gtest/gtest.h>)

# tinctora_pch(<target> <list>) gives the target its own precompiled header;
# tinctora_pch(<target> REUSE <owner>) reuses the owner's.
function(tinctora_pch target)
  if(ARGV1 STREQUAL "REUSE")
    target_precompile_headers(${target} REUSE_FROM ${ARGV2})
  else()
    target_precompile_headers(${target} PRIVATE ${${ARGV1}})
  endif()
endfunction()
