# Shared part of the MinGW-w64 toolchain files. The "-win32" thread model
# variant keeps the runtime free of the pthread emulation library.
find_program(CMAKE_C_COMPILER NAMES ${MEMOLUX_TARGET_PREFIX}-gcc-win32 REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${MEMOLUX_TARGET_PREFIX}-g++-win32 REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${MEMOLUX_TARGET_PREFIX}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${MEMOLUX_TARGET_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
