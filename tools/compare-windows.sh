#!/bin/sh
# Converts generated files of several versions with the Linux build and with
# the Windows build (under wine) and requires identical output bytes.
# Usage: tools/compare-windows.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR
set -e
linux=$1 windows=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all WINEPREFIX="$(cd "$windows" && pwd)/wineprefix"
n=0
for version in 7.0 7.1 7.5 7.985 8.0151 8.3 8.5 8.9 9.0015 9.5 9.74; do
  for seed in 1 2; do
    in="$work/m $version-$seed.KMD"
    "$linux/make_example" --version "$version" --seed "$seed" --size 300K "$in" >/dev/null
    "$linux/kmdconvert" --yes "$in" "$work/linux.KMD"
    wine "$windows/kmdconvert.exe" --yes "$in" "$work/windows.KMD"
    cmp "$work/linux.KMD" "$work/windows.KMD"
    n=$((n + 1))
  done
done
echo "compare-windows: $n files converted to the same bytes by both builds"
