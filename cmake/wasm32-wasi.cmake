# Compiles the core to WebAssembly for the page, with Debian's clang and its
# WASI C library and libc++: nothing is downloaded.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
# The WASI libc++, and none of the system's own headers for Linux.
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -isystem /usr/include/wasm32-wasi/c++/v1 -fno-exceptions")
# The compiler's flags come to the link too, where the headers' mean nothing.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L/usr/lib/wasm32-wasi -Wno-unused-command-line-argument")
# The compiler cannot link a program without its entry: a library is tried.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
