# Builds the same sources as a 64-bit Windows program, run under Wine's 64-bit
# loader: its tests run on machines that cannot start 32-bit programs at all.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_target x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
