#!/bin/sh
# Writes the seed corpus of the fuzz target: fuzz/corpus/v<version>.KMD, a small
# generated legacy file, for every version listed in fuzz/corpus-versions.txt.
# Usage: make_corpus.sh MAKE_EXAMPLE [SOURCE_DIR]
set -e
[ -n "$1" ] || { echo "usage: make_corpus.sh MAKE_EXAMPLE [SOURCE_DIR]" >&2; exit 2; }
make_example=$1
root=${2:-$(dirname "$0")/..}
mkdir -p "$root/fuzz/corpus"
grep -v '^#' "$root/fuzz/corpus-versions.txt" | while read -r version; do
  [ -n "$version" ] || continue
  "$make_example" --version "$version" "$root/fuzz/corpus/v$version.KMD"
done
