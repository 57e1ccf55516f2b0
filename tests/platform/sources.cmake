# Wire format, preference store: core, no QApplication.
target_sources(tinctora_core_tests PRIVATE
  platform/PathRecordTest.cpp
  platform/PreferenceStoreTest.cpp
)

# The single-instance step with a stand-in for the main window, for the process tests.
add_executable(tinctora_instance_probe platform/InstanceProbe.cpp)
target_link_libraries(tinctora_instance_probe PRIVATE tinctora_ui)
tinctora_warnings(tinctora_instance_probe)

target_sources(tinctora_ui_tests PRIVATE
  platform/InstanceServerTest.cpp
  platform/SingleInstanceTest.cpp
)
add_dependencies(tinctora_ui_tests tinctora_instance_probe)
target_compile_definitions(tinctora_ui_tests PRIVATE
  TINCTORA_INSTANCE_PROBE="$<TARGET_FILE:tinctora_instance_probe>")
