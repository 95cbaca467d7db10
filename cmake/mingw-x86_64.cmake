# 64-bit Windows build of the same sources. It exists for testing under a Wine that cannot
# start 32-bit programs natively; the program users get is the 32-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TALVO_MINGW x86_64-w64-mingw32)
set(TALVO_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
