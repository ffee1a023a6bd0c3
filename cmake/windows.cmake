# Windows build (MinGW-w64): one self-contained executable per architecture,
# linked statically so that it imports only DLLs that ship with Windows, and
# the unit tests of the portable core for running under Wine.

# Number text goes through the C runtime of Windows (MSVCRT), not MinGW's
# own printf.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0 WINVER=0x0601 _WIN32_WINNT=0x0601)
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)

set(MEMOLUX_WARNINGS -Wall -Wextra -Wpedantic -Wconversion -Wno-sign-conversion)

add_library(memolux_core STATIC ${MEMOLUX_CORE_SOURCES} ${MEMOLUX_SEAM_SOURCES_WIN32})
target_include_directories(memolux_core PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
target_compile_options(memolux_core PRIVATE ${MEMOLUX_WARNINGS})

# GoogleTest from the sources of Debian's googletest package.
set(MEMOLUX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${MEMOLUX_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(MEMOLUX_GTEST_SHIM -include ${PROJECT_SOURCE_DIR}/tests/support/gtest_win32_threads.h)
target_compile_options(gtest PRIVATE ${MEMOLUX_GTEST_SHIM})
target_compile_options(gtest_main PRIVATE ${MEMOLUX_GTEST_SHIM})

add_executable(memolux_unit_tests ${MEMOLUX_UNIT_TEST_SOURCES} ${MEMOLUX_WIN32_UNIT_TEST_SOURCES})
target_link_libraries(memolux_unit_tests PRIVATE memolux_core gtest gtest_main)
target_compile_options(memolux_unit_tests PRIVATE ${MEMOLUX_GTEST_SHIM})

# The program.
enable_language(RC)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(MEMOLUX_MANIFEST memolux-amd64.manifest)
else()
    set(MEMOLUX_MANIFEST memolux-x86.manifest)
endif()
set_source_files_properties(resources/memolux.rc PROPERTIES
    COMPILE_DEFINITIONS MEMOLUX_MANIFEST=${MEMOLUX_MANIFEST}
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/memolux.ico;${PROJECT_SOURCE_DIR}/resources/${MEMOLUX_MANIFEST}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR}/resources")

add_executable(Memolux WIN32 ${MEMOLUX_APP_SOURCES} ${MEMOLUX_UI_SOURCES_WIN32} app/lean_runtime_mingw.cpp
    resources/memolux.rc)
target_include_directories(Memolux PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(Memolux PRIVATE ${MEMOLUX_WARNINGS})
target_link_libraries(Memolux PRIVATE memolux_core comctl32 gdi32 user32)
target_link_options(Memolux PRIVATE -s)
# The settings file installed with the program goes beside it.
add_custom_command(TARGET Memolux POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/resources/Config.prefs
            $<TARGET_FILE_DIR:Memolux>/Config.prefs)

# Baseline of the benchmark: an empty window with the same idle loop, built
# and linked like the program.
add_executable(memolux_empty_window WIN32 bench/empty_window.cpp app/lean_runtime_mingw.cpp)
target_compile_options(memolux_empty_window PRIVATE ${MEMOLUX_WARNINGS})
target_link_libraries(memolux_empty_window PRIVATE comctl32 gdi32 user32)
target_link_options(memolux_empty_window PRIVATE -s)

# End-to-end tests: a Windows program that drives Memolux.exe from beside it.
set(MEMOLUX_E2E_SOURCES
    tests/e2e/driver.cpp
    tests/e2e/control_layout.cpp
    tests/e2e/main_window_test.cpp
    # options window tests
    tests/e2e/options_driver.cpp
    tests/e2e/options_window_test.cpp
    tests/e2e/options_commit_test.cpp
    # help window tests
    tests/e2e/help_window_test.cpp
    tests/e2e/help_loop_test.cpp
    tests/e2e/help_sound_test.cpp
    tests/e2e/window_probe.cpp
    tests/e2e/sound_capture.cpp
    help/help_text.cpp
    ${PROJECT_BINARY_DIR}/generated/help_clip_image.cpp
)
add_executable(memolux_e2e_tests ${MEMOLUX_E2E_SOURCES})
target_include_directories(memolux_e2e_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(memolux_e2e_tests PRIVATE ${MEMOLUX_GTEST_SHIM})
target_link_libraries(memolux_e2e_tests PRIVATE gtest gtest_main user32 gdi32)
add_dependencies(memolux_e2e_tests Memolux)
