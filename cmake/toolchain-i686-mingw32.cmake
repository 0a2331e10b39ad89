# Cross-compiles the product for 32-bit Windows and runs its test programs under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_target i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
