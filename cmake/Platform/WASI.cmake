# WebAssembly with the WASI system interface: a program is a .wasm module.
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
