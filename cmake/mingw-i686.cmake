# 32-bit Windows: the program users get.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TALVO_MINGW i686-w64-mingw32)
set(TALVO_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
