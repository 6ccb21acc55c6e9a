# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers. The posix-thread
# variants are the ones with std::thread and std::mutex, which Qt needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMORA_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${VELMORA_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELMORA_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# Libraries and headers come from the MinGW tree and from the cross-built Qt, programs from the
# build machine. The Qt is the one scripts/windows/build-qt.sh left in its cache (VELMORA_CACHE,
# else ~/.cache/velmora), the newest if there are several; VELMORA_WINDOWS_QT names another.
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLE})
if(DEFINED ENV{VELMORA_WINDOWS_QT})
  set(velmora_windows_qt $ENV{VELMORA_WINDOWS_QT})
else()
  set(velmora_cache $ENV{HOME}/.cache/velmora)
  if(DEFINED ENV{VELMORA_CACHE})
    set(velmora_cache $ENV{VELMORA_CACHE})
  endif()
  file(GLOB velmora_built_qts ${velmora_cache}/qt-*-${VELMORA_MINGW_TRIPLE}-gcc*/.complete)
  list(SORT velmora_built_qts COMPARE NATURAL ORDER DESCENDING)
  list(POP_FRONT velmora_built_qts velmora_windows_qt)
  if(velmora_windows_qt)
    get_filename_component(velmora_windows_qt ${velmora_windows_qt} DIRECTORY)
  endif()
endif()
if(velmora_windows_qt)
  list(APPEND CMAKE_FIND_ROOT_PATH ${velmora_windows_qt})
  list(APPEND CMAKE_PREFIX_PATH ${velmora_windows_qt})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and test discovery run the Windows programs under Wine.
find_program(VELMORA_WINE NAMES wine wine64)
if(VELMORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE})
endif()
