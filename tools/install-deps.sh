#!/bin/sh
# Installs what a bare Debian machine lacks to build and test kmdconvert.
# With --fuzz also clang and its fuzzer runtime, for the fuzz target; with
# --windows the mingw-w64 cross compiler and wine, for the Windows build.
set -e
packages="g++ make cmake libgtest-dev"
for option in "$@"; do
  case $option in
    --fuzz) packages="$packages clang libclang-rt-dev" ;;
    --windows) packages="$packages g++-mingw-w64-x86-64-posix wine64 wine" ;;
    *) echo "install-deps.sh: unknown option $option" >&2; exit 2 ;;
  esac
done
missing=""
for p in $packages; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -q
$sudo apt-get install -y -q $missing
