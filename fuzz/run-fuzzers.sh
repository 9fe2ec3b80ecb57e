#!/usr/bin/env bash
# Runs every fuzz target of a clang fuzz build for FUZZ_SECONDS each, starting from its seed
# and regression corpora. New inputs go to a scratch corpus (not into the source tree); a
# finding leaves its input in fuzz/findings/ and ends with a non-zero exit.
# Usage: fuzz/run-fuzzers.sh BUILD_DIR [TARGET...]
set -euo pipefail
build=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
seconds=${FUZZ_SECONDS:-60}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(template_load template_prepare frp_draw picture_replay expression code_list barcode_draw)
fi
mkdir -p "$here/findings"
status=0
for t in "${targets[@]}"; do
  scratch="$build/fuzz-corpus/$t"
  mkdir -p "$scratch"
  log="$build/fuzz-$t.log"
  echo "== $t: ${seconds}s (log $log)"
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
      "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$here/findings/$t-" \
      "$scratch" "$here/corpus/$t" "$here/regression/$t" >"$log" 2>&1; then
    echo "   FINDING: see $log and $here/findings/"
    status=1
  fi
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" | sed 's/^/   /' || true
  grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 | sed 's/^/   /' || true
done
exit $status
