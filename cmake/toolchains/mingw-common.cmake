# Shared part of the MinGW-w64 cross toolchains; expects MINGW_TRIPLE to be set.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Dependencies are built once by scripts/build-deps.sh into a cache outside the tree.
if(NOT TAVI_DEPS_DIR)
  if(DEFINED ENV{TAVI_DEPS_DIR})
    set(TAVI_DEPS_DIR "$ENV{TAVI_DEPS_DIR}")
  else()
    set(TAVI_DEPS_DIR "$ENV{HOME}/.cache/tavi-deps")
  endif()
endif()
set(TAVI_DEPS_DIR "${TAVI_DEPS_DIR}" CACHE PATH "Prefix root of the cross-built dependencies")
set(TAVI_DEPS_PREFIX "${TAVI_DEPS_DIR}/${MINGW_TRIPLE}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVI_DEPS_DIR)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${TAVI_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
