# The main window driven headlessly: widgets, life cycle, layout, band type.
target_sources(tinctora_ui_tests PRIVATE
  shell/WindowFixture.h
  shell/MainWindowStartTest.cpp
  shell/MainWindowLayoutTest.cpp
  shell/MainWindowLifecycleTest.cpp
  shell/ShellWidgetsTest.cpp
  shell/MainWindowDialogsTest.cpp
)
