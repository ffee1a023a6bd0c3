# Shared part of the MinGW-w64 toolchain files. The "-posix" thread model
# variant has std::mutex (GoogleTest needs it); its winpthread library is
# linked statically like the rest of the runtime, so no DLL of it is needed.
find_program(CMAKE_C_COMPILER NAMES ${MEMOLUX_TARGET_PREFIX}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${MEMOLUX_TARGET_PREFIX}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${MEMOLUX_TARGET_PREFIX}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${MEMOLUX_TARGET_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
