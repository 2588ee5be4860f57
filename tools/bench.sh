#!/bin/sh
# Converts generated models of the given sizes and compares each conversion with
# a durable copy of the same file, alternating the two over several runs.
# Usage: tools/bench.sh [SIZE...]        (default: 10M 100M)
# Environment: KMD_BENCH_DIR (generated files, default /tmp/kmd-bench),
#   KMD_BENCH_VERSIONS (default "9.5 7.5"), KMD_BENCH_RUNS (default 5),
#   KMD_BENCH_SEED (default 1), KMD_BUILD (build folder, default build).
# Figures are medians over the runs; RSS is the converter's peak resident memory
# as a multiple of the input size.
set -e
cd "$(dirname "$0")/.."
build=${KMD_BUILD:-build}
dir=${KMD_BENCH_DIR:-/tmp/kmd-bench}
versions=${KMD_BENCH_VERSIONS:-"9.5 7.5"}
runs=${KMD_BENCH_RUNS:-5}
seed=${KMD_BENCH_SEED:-1}
[ $# -gt 0 ] || set -- 10M 100M

for tool in make_example kmdconvert; do
    [ -x "$build/$tool" ] || { echo "bench: $build/$tool is missing: build the project first" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "bench: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }
mkdir -p "$dir"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp" "$dir/out.KMD" "$dir/copy.KMD"' EXIT

now() { date +%s.%N; }
# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-7s %-6s %10s %9s %9s %9s %7s %9s\n' version size input_MiB convert_s MiB/s copy_s ratio rss/input
for size in "$@"; do
    for version in $versions; do
        in="$dir/model-$version-$size-seed$seed.KMD"
        if [ ! -s "$in" ]; then
            "$build/make_example" --version "$version" --size "$size" --seed "$seed" "$in.part"
            mv "$in.part" "$in"
        fi
        out="$dir/out.KMD"
        copy="$dir/copy.KMD"
        bytes=$(stat -c %s "$in")
        : >"$tmp/convert.times"
        : >"$tmp/copy.times"
        : >"$tmp/rss"
        i=0
        while [ $i -lt "$runs" ]; do
            rm -f "$out" "$copy"
            t0=$(now)
            /usr/bin/time -f %M -o "$tmp/rss.run" "$build/kmdconvert" --yes "$in" "$out" 2>"$tmp/convert.err" || {
                echo "bench: conversion of $in failed:" >&2
                cat "$tmp/convert.err" >&2
                exit 1
            }
            t1=$(now)
            dd if="$in" of="$copy" bs=1M conv=fsync 2>/dev/null
            t2=$(now)
            awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }' >>"$tmp/convert.times"
            awk -v a="$t1" -v b="$t2" 'BEGIN { print b - a }' >>"$tmp/copy.times"
            tail -n 1 "$tmp/rss.run" >>"$tmp/rss"
            i=$((i + 1))
        done
        rm -f "$out" "$copy"
        convert=$(median <"$tmp/convert.times")
        copied=$(median <"$tmp/copy.times")
        rss=$(median <"$tmp/rss")
        awk -v v="$version" -v s="$size" -v b="$bytes" -v c="$convert" -v d="$copied" -v r="$rss" 'BEGIN {
            mb = b / 1048576
            printf "%-7s %-6s %10.1f %9.3f %9.1f %9.3f %7.2f %9.2f\n", v, s, mb, c, mb / c, d, c / d, r * 1024 / b
        }'
    done
done
