#!/bin/sh
# Installs the Debian packages of the named groups that are missing.
# Groups: build (compilers, CMake, test libraries, Boost's headers), sim
# (the simulator's libraries), windows (the 32- and 64-bit Windows cross
# compilers and Wine for both, whose 32-bit part needs the i386
# architecture; clang, lld and llvm's tools with Wine's C headers for the
# real host's ABI), hardening (clang with libFuzzer's runtime, clang-tidy,
# clang-format, valgrind, Google Benchmark).
set -eu

packages_of() {
  case "$1" in
    build) echo "cmake ninja-build g++ make googletest libgtest-dev libgmock-dev binutils libboost-dev" ;;
    sim) echo "libnova-dev libtomlplusplus-dev libcli11-dev libncurses-dev libcairo2-dev pkg-config fonts-dejavu-core tmux" ;;
    windows) echo "g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 fonts-wine clang lld llvm libwine-dev" ;;
    hardening) echo "clang libclang-rt-14-dev clang-tidy clang-format valgrind libbenchmark-dev" ;;
    *) echo "unknown package group: $1" >&2; exit 2 ;;
  esac
}

missing=""
for group in "$@"; do
  for package in $(packages_of "$group"); do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing="$missing $package"
    fi
  done
done

[ -z "$missing" ] && exit 0
echo "installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
case " $* " in
  *" windows "*)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      $SUDO dpkg --add-architecture i386
    fi ;;
esac
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
