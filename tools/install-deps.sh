#!/bin/sh
# Installs what a bare Debian machine lacks to build and test kmdconvert.
# With --fuzz also clang and its fuzzer runtime, for the fuzz target.
set -e
packages="g++ make cmake libgtest-dev"
[ "$1" = "--fuzz" ] && packages="$packages clang libclang-rt-dev"
missing=""
for p in $packages; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -q
$sudo apt-get install -y -q $missing
