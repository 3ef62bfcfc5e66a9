# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread model,
# which GoogleTest needs for std::mutex). Programs run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
# Archivers that keep the link-time optimiser's symbol tables.
set(CMAKE_AR     ${TOOLCHAIN_PREFIX}-gcc-ar-posix)
set(CMAKE_RANLIB ${TOOLCHAIN_PREFIX}-gcc-ranlib-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# CTest starts every Windows test program through this wrapper: its own Wine
# prefix (a copy of a template) and its own X server.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
