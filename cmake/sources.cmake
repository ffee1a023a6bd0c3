# The one list of sources that every configuration builds from.

# Portable logic: standard C++ only, no platform header.
set(MEMOLUX_CORE_SOURCES
    monitor/rounding.cpp
    monitor/memory_sample.cpp
    monitor/peak_records.cpp
    monitor/number_text.cpp
    monitor/display_text.cpp
    settings/pref_text.cpp
    settings/pref_store.cpp
    settings/settings.cpp
)

# Platform seams of the core, one set per platform.
set(MEMOLUX_SEAM_SOURCES_WIN32
    monitor/memory_source_win32.cpp
    settings/file_access_win32.cpp
)
set(MEMOLUX_SEAM_SOURCES_POSIX
    monitor/memory_source_posix.cpp
    settings/file_access_posix.cpp
)

# Unit tests of the portable logic; they build natively and for Windows.
set(MEMOLUX_UNIT_TEST_SOURCES
    tests/unit/test_files.cpp
    tests/unit/memory_sample_test.cpp
    tests/unit/number_text_test.cpp
    tests/unit/pref_text_test.cpp
    tests/unit/pref_store_test.cpp
    tests/unit/settings_test.cpp
)
