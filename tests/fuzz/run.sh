#!/bin/sh
# Runs one libFuzzer target for a bounded time from the committed seeds;
# prints the executions it reached and any finding in full.
# Usage: run.sh FUZZER CORPUS SEEDS SECONDS
fuzzer=$1 corpus=$2 seeds=$3 seconds=$4
mkdir -p "$corpus" || exit 1
log=$corpus.log
# The target's standard error is closed: a session's warnings about the
# bytes it drops would bury the fuzzer's own report.
"$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=4096 -close_fd_mask=2 \
  -print_final_stats=1 "$corpus" "$seeds" >"$log" 2>&1
status=$?
if [ $status -ne 0 ]; then
  tail -60 "$log"
  echo "finding: the input is in crash-*/leak-*/timeout-* in $(pwd)"
fi
grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$log"
exit $status
