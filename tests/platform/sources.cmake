# Wire format, preference store and preferences holder: core, no QApplication.
target_sources(tinctora_core_tests PRIVATE
  platform/PathRecordTest.cpp
  platform/PreferenceStoreTest.cpp
)
