# Cross compilation for 64-bit Windows with MinGW-w64: the same sources as the
# 32-bit build, for machines whose kernel cannot start 32-bit programs (and so
# cannot run 32-bit Windows programs under Wine).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SETUP_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
