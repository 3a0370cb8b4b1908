#!/bin/sh
# Runs one fuzz target for a fixed time: new inputs go to a work folder in the build, the
# repository's seeds and regression inputs are only read, and a crash is kept in the work
# folder under the name libFuzzer gives it.
#   run_fuzzer.sh FUZZER FUZZ_DIR NAME WORK_DIR SECONDS
set -eu
fuzzer=$1 fuzz_dir=$2 name=$3 work=$4 seconds=$5
mkdir -p "$work/corpus"
set -- "$work/corpus" "$fuzz_dir/corpus/$name"
[ -d "$fuzz_dir/regressions/$name" ] && set -- "$@" "$fuzz_dir/regressions/$name"
dictionary=""
[ -f "$fuzz_dir/dictionaries/$name.dict" ] && dictionary="-dict=$fuzz_dir/dictionaries/$name.dict"
# Pictures may claim up to 64 MB of pixels and fonts render hundreds of glyphs: a slow
# input is reported only when it takes many seconds.
exec "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$work/" $dictionary "$@"
