#!/bin/sh
# Converts generated models of the given sizes and compares each conversion with
# a durable copy of the same file, alternating the two over several runs.
# Usage: tools/bench.sh [SIZE...]        (default: 10M 100M)
# Environment: KMD_BENCH_DIR (generated files, default /tmp/kmd-bench),
#   KMD_BENCH_VERSIONS (default "9.5 7.5"), KMD_BENCH_RUNS (default 5),
#   KMD_BENCH_SEED (default 1), KMD_BUILD (build folder, default build).
# Figures are medians over the runs; RSS is the converter's peak resident memory
# as a multiple of the input size. ms/MiB and rss/MiB are per MiB of input
# above the cost of converting the small example; the last lines compare them
# over the sizes.
set -e
cd "$(dirname "$0")/.."
build=${KMD_BUILD:-build}
dir=${KMD_BENCH_DIR:-/tmp/kmd-bench}
versions=${KMD_BENCH_VERSIONS:-"9.5 7.5"}
runs=${KMD_BENCH_RUNS:-5}
seed=${KMD_BENCH_SEED:-1}
[ $# -gt 0 ] || set -- 10M 100M
sizes="$*"

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

# One measurement of FILE: wall seconds of the conversion, of the durable copy,
# and the conversion's peak resident KiB, appended to $tmp/{convert,copy,rss}.
measure() {
    rm -f "$out" "$copy"
    t0=$(now)
    /usr/bin/time -f %M -o "$tmp/rss.run" "$build/kmdconvert" --yes "$1" "$out" 2>"$tmp/convert.err" || {
        echo "bench: conversion of $1 failed:" >&2
        cat "$tmp/convert.err" >&2
        exit 1
    }
    t1=$(now)
    dd if="$1" of="$copy" bs=1M conv=fsync 2>/dev/null
    t2=$(now)
    awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }' >>"$tmp/convert"
    awk -v a="$t1" -v b="$t2" 'BEGIN { print b - a }' >>"$tmp/copy"
    tail -n 1 "$tmp/rss.run" >>"$tmp/rss"
}
# Medians of $2 runs on FILE $1: "convert_s copy_s rss_KiB".
medians() {
    : >"$tmp/convert"
    : >"$tmp/copy"
    : >"$tmp/rss"
    i=0
    while [ $i -lt "$2" ]; do
        measure "$1"
        i=$((i + 1))
    done
    echo "$(median <"$tmp/convert") $(median <"$tmp/copy") $(median <"$tmp/rss")"
}
# Generates (once) the model of version $1 and size $2 (empty: the small example).
model() {
    f="$dir/model-$1-${2:-small}-seed$seed.KMD"
    if [ ! -s "$f" ]; then
        if [ -n "$2" ]; then
            "$build/make_example" --version "$1" --size "$2" --seed "$seed" "$f.part"
        else
            "$build/make_example" --version "$1" "$f.part"
        fi
        mv "$f.part" "$f"
    fi
    echo "$f"
}

out="$dir/out.KMD"
copy="$dir/copy.KMD"
# Per MiB: time and memory above those of converting the small example (the
# program's fixed cost), so that models of different sizes compare.
printf '%-7s %-6s %10s %9s %9s %9s %7s %9s %8s %8s\n' version size input_MiB convert_s MiB/s copy_s ratio rss/input ms/MiB rss/MiB
: >"$tmp/summary"
for version in $versions; do
    set -- $(medians "$(model "$version")" 10)
    base_s=$1
    base_kib=$3
    for size in $sizes; do
        in=$(model "$version" "$size")
        bytes=$(stat -c %s "$in")
        set -- $(medians "$in" "$runs")
        awk -v v="$version" -v s="$size" -v b="$bytes" -v c="$1" -v d="$2" -v r="$3" -v bs="$base_s" -v bk="$base_kib" 'BEGIN {
            mb = b / 1048576
            ms = (c - bs) * 1000 / mb
            mem = (r - bk) / 1024 / mb
            printf "%-7s %-6s %10.1f %9.3f %9.1f %9.3f %7.2f %9.2f %8.3f %8.3f\n", v, s, mb, c, mb / c, d, c / d, r * 1024 / b, ms, mem
            print v, ms, mem >>"'"$tmp/summary"'"
        }'
    done
done
rm -f "$out" "$copy"
# Linearity: the largest per-MiB figure of a version over its smallest.
awk '{ if (!($1 in tmin) || $2 < tmin[$1]) tmin[$1] = $2; if ($2 > tmax[$1]) tmax[$1] = $2
       if (!($1 in mmin) || $3 < mmin[$1]) mmin[$1] = $3; if ($3 > mmax[$1]) mmax[$1] = $3 }
     END { for (v in tmin) printf "linearity %-7s time per MiB max/min %.2f, memory per MiB max/min %.2f\n", v, tmax[v] / tmin[v], mmax[v] / mmin[v] }' "$tmp/summary"
