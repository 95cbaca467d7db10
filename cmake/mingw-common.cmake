# Shared by the mingw-w64 toolchain files; TALVO_MINGW names the target triple. The POSIX
# thread variant is named because the win32 variant of GCC 12 has no std::thread/std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TALVO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALVO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TALVO_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TALVO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
