# The main window: its widgets, its life cycle and the field cursor.
target_sources(tinctora_ui PRIVATE
  shell/ColourPanel.h shell/ColourPanel.cpp
  shell/StaticText.h shell/StaticText.cpp
  shell/PictureBox.h shell/PictureBox.cpp
  shell/MainWidgets.h shell/MainWidgetsBuild.h shell/MainWidgetsBuild.cpp
  shell/BuildBandAndValues.cpp shell/BuildDisplay.cpp shell/BuildRightColumn.cpp
  shell/FieldCursor.h shell/FieldCursor.cpp
  shell/TForm1.h shell/TForm1.cpp shell/TForm1Lifecycle.cpp shell/TForm1Band.cpp
  shell/TForm1Dialogs.cpp
  shell/TfBlind.h shell/TfBlind.cpp
  shell/StartupProbe.h shell/StartupProbe.cpp
)
qt_add_resources(tinctora_ui "field_cursor"
  PREFIX "/"
  BASE ${CMAKE_SOURCE_DIR}/resources
  FILES ${CMAKE_SOURCE_DIR}/resources/cursor/field-cursor.png)
