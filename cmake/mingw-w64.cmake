# What both toolchain files share: Debian's mingw-w64 (POSIX threads flavour) for the
# TOOLCHAIN_PREFIX that the including file sets.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables are Windows programs: ctest runs them through Wine, with Debian's
# loader for the build's processor (PELKOR_WINE_LOADER, set by the including file).
# Debian's wine command would start the 32-bit loader first whenever 32-bit Wine is
# installed, which under emulation costs an emulated start for every 64-bit program.
find_program(PELKOR_WINE NAMES ${PELKOR_WINE_LOADER} PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT PELKOR_WINE)
  find_program(PELKOR_WINE NAMES wine)
endif()
if(PELKOR_WINE)
  set(WINE_PROGRAM ${PELKOR_WINE})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PELKOR_WINE})
  # Emulated 32-bit Wine (scripts/test sets it): a crash at the very end of a test program
  # whose every test passed is told apart from a failure (tests/tools/emulated_run.sh).
  if(PELKOR_EMULATED_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/emulated_run.sh ${PELKOR_WINE})
  endif()
endif()
