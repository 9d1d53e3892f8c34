#!/bin/sh
# Installs, from Debian's packages, whatever this machine lacks for building
# the program, for the full test run, or for the benchmark.
# Usage: deps.sh [build|check|bench]
set -e
mode=${1:-check}
need="cmake:cmake ninja:ninja-build g++:g++"
case $mode in
check)
  need="$need clang++:clang clang-format:clang-format clang-tidy:clang-tidy
    tmux:tmux valgrind:valgrind dpkg-shlibdeps:dpkg-dev groff:groff-base
    iconv:libc-bin x86_64-w64-mingw32-g++:g++-mingw-w64-x86-64 wine:wine
    lintian:lintian unzip:unzip zip:zip python3:python3" ;;
bench) need="$need cc:gcc hyperfine:hyperfine python3:python3" ;;
esac
missing=
for pair in $need; do
  command -v "${pair%%:*}" >/dev/null 2>&1 || missing="$missing ${pair#*:}"
done
# The line editor's header; the library itself is loaded at run time.
[ -f /usr/include/histedit.h ] || missing="$missing libedit-dev"
if [ "$mode" = check ]; then
  [ -f /usr/include/gtest/gtest.h ] || missing="$missing libgtest-dev"
  ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
    missing="$missing libclang-rt-dev"
  # wine alone brings the 32-bit loader's name only; wine64 runs the .exe.
  [ -e /usr/lib/wine/wine64 ] || missing="$missing wine64"
  # The other standard library, and GoogleTest's sources to build against it.
  ls /usr/lib/llvm-*/lib/libc++.so >/dev/null 2>&1 || missing="$missing libc++-dev"
  ls /usr/lib/llvm-*/lib/libc++abi.so >/dev/null 2>&1 || missing="$missing libc++abi-dev"
  [ -f /usr/src/googletest/googletest/CMakeLists.txt ] || missing="$missing googletest"
  # The sources the tests make their locales from, and the C library's own
  # Russian texts.
  [ -f /usr/share/i18n/locales/ru_RU ] || missing="$missing locales"
  [ -f /usr/share/locale/ru/LC_MESSAGES/libc.mo ] || missing="$missing libc-l10n"
fi
# The page: the core compiled to WebAssembly with clang 14's WASI libraries,
# and a browser (with node to drive it) for its test and its benchmark.
if [ "$mode" != build ]; then
  for pair in clang++-14:clang-14 wasm-ld-14:lld-14 chromium:chromium node:nodejs \
    /usr/lib/wasm32-wasi/libc.a:wasi-libc \
    /usr/lib/wasm32-wasi/libc++.a:libc++-14-dev-wasm32 \
    /usr/lib/wasm32-wasi/libc++abi.a:libc++abi-14-dev-wasm32; do
    command -v "${pair%%:*}" >/dev/null 2>&1 || [ -f "${pair%%:*}" ] ||
      missing="$missing ${pair#*:}"
  done
  ls /usr/lib/llvm-14/lib/clang/*/lib/wasi/libclang_rt.builtins-wasm32.a >/dev/null 2>&1 ||
    missing="$missing libclang-rt-14-dev-wasm32"
fi
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
