# Windows build (MinGW-w64): one self-contained executable per architecture,
# linked statically so that it imports only DLLs that ship with Windows, and
# the unit tests of the portable core for running under Wine.

# Number text goes through the C runtime of Windows (MSVCRT), not MinGW's
# own printf.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0 WINVER=0x0601 _WIN32_WINNT=0x0601)
add_compile_options(-Os -ffunction-sections -fdata-sections)
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

add_executable(memolux_unit_tests ${MEMOLUX_UNIT_TEST_SOURCES})
target_link_libraries(memolux_unit_tests PRIVATE memolux_core gtest gtest_main)
