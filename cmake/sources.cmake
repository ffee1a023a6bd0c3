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
    app/refresh_timer.cpp
    # options window logic (portable)
    settings/unit_tables.cpp
    settings/parse_integer.cpp
    settings/options_save.cpp
    settings/settings_commit.cpp
    # help window logic (portable)
    help/help_text.cpp
    # sound layer (portable part)
    help/wave_image.cpp
    help/sound_layer.cpp
)

# Platform seams of the core, one set per platform.
set(MEMOLUX_SEAM_SOURCES_WIN32
    monitor/memory_source_win32.cpp
    settings/file_access_win32.cpp
    # sound device (Win32)
    help/sound_device_win32.cpp
)
set(MEMOLUX_SEAM_SOURCES_POSIX
    monitor/memory_source_posix.cpp
    settings/file_access_posix.cpp
    # sound device (POSIX)
    help/sound_device_posix.cpp
)

# The program's logic above the toolkit (portable, but it needs a toolkit
# backend to run).
set(MEMOLUX_APP_SOURCES
    app/main.cpp
    app/memolux_app.cpp
    app/main_window.cpp
    app/quit_dialogs.cpp
    app/end_sequence.cpp
    # options window
    settings/options_dialog.cpp
    # help window
    help/help_window.cpp
)

# The window toolkit over Win32.
set(MEMOLUX_UI_SOURCES_WIN32
    ui/win32/ui_state.cpp
    ui/win32/ui_windows.cpp
    ui/win32/ui_controls.cpp
    ui/win32/ui_fonts.cpp
    ui/win32/ui_system.cpp
    ui/win32/ui_wait.cpp
)

# Unit tests of the portable logic; they build natively and for Windows.
set(MEMOLUX_UNIT_TEST_SOURCES
    tests/unit/test_files.cpp
    tests/unit/memory_sample_test.cpp
    tests/unit/number_text_test.cpp
    tests/unit/pref_text_test.cpp
    tests/unit/pref_store_test.cpp
    tests/unit/settings_test.cpp
    tests/unit/refresh_timer_test.cpp
    tests/unit/clip_image_test.cpp
    # sound tests
    # options tests
    tests/unit/parse_integer_test.cpp
    tests/unit/unit_tables_test.cpp
    tests/unit/options_save_test.cpp
    tests/unit/settings_commit_test.cpp
    # help tests
    tests/unit/help_text_test.cpp
    tests/unit/wave_image_test.cpp
)
# Unit tests of the Windows seams: Windows builds only.
set(MEMOLUX_WIN32_UNIT_TEST_SOURCES
    tests/unit/file_access_win32_test.cpp
)
# Unit tests that need the recording fakes of the POSIX seams: native only.
set(MEMOLUX_NATIVE_UNIT_TEST_SOURCES
    tests/unit/sound_layer_test.cpp
)
