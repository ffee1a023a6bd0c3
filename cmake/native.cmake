# Native build: the portable core with its POSIX seams, unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, fuzz targets (clang) and
# the refresh benchmark.
option(MEMOLUX_SANITIZE "Build with AddressSanitizer and UBSan" ON)
option(MEMOLUX_FUZZ "Build libFuzzer targets (needs clang)" ON)

set(MEMOLUX_WARNINGS -Wall -Wextra -Wpedantic -Wconversion -Wno-sign-conversion)
if(MEMOLUX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
endif()

add_library(memolux_core STATIC ${MEMOLUX_CORE_SOURCES} ${MEMOLUX_SEAM_SOURCES_POSIX})
target_include_directories(memolux_core PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
target_compile_options(memolux_core PRIVATE ${MEMOLUX_WARNINGS})

find_package(GTest REQUIRED)
add_executable(memolux_unit_tests ${MEMOLUX_UNIT_TEST_SOURCES} ${MEMOLUX_NATIVE_UNIT_TEST_SOURCES})
target_link_libraries(memolux_unit_tests PRIVATE memolux_core GTest::gtest GTest::gtest_main)
add_test(NAME unit_tests COMMAND memolux_unit_tests)

if(MEMOLUX_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    foreach(target IN ITEMS fuzz_pref_store fuzz_wave_image)
        add_executable(${target} tests/fuzz/${target}.cpp)
        target_link_libraries(${target} PRIVATE memolux_core)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    endforeach()
endif()

# The refresh benchmark: only meaningful without the sanitizers.
if(NOT MEMOLUX_SANITIZE)
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        add_executable(memolux_refresh_benchmark bench/refresh_benchmark.cpp)
        target_link_libraries(memolux_refresh_benchmark PRIVATE memolux_core benchmark::benchmark)
        target_compile_options(memolux_refresh_benchmark PRIVATE ${MEMOLUX_WARNINGS})
    endif()
endif()
