#!/usr/bin/env bash
# Runs every fuzz target for the same number of seconds, one after another,
# each from its corpus folder, and sums up what each did. An input that
# breaks a target is kept in the findings folder, and the run fails once all
# targets have had their turn.
#
#     fuzz/run-fuzzers.sh BUILD_FOLDER SECONDS FINDINGS_FOLDER
set -uo pipefail

build=$1
seconds=$2
findings=$3

targets=(fuzz_load_save fuzz_member_file fuzz_name_codec)
# Inputs just past the largest file each path takes, so the length checks
# are fuzzed on both sides.
declare -A max_len=([fuzz_load_save]=50001 [fuzz_member_file]=80 [fuzz_name_codec]=16)

# Every AddressSanitizer check stays on, leaks included; UBSan halts at the
# first report.
export ASAN_OPTIONS="abort_on_error=1:symbolize=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen

# The targets' scratch files go to memory where it can, and go away with the
# run even when a finding aborted a target before it could clean up.
scratch=$(mktemp -d /dev/shm/quorvane-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch

mkdir -p "$build/fuzz-logs"
echo "Fuzzing each target for $seconds s; inputs that break one are kept in $findings/<target>/"
summary=()
failed=0
for target in "${targets[@]}"; do
  mkdir -p "$findings/$target" "$build/corpus/$target"
  log="$build/fuzz-logs/$target.log"
  "$build/$target" "$build/corpus/$target" \
    -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/$target/" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    summary+=("$target: ${runs:-?} executions, nothing found")
  else
    failed=1
    kept=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    summary+=("$target: ${runs:-?} executions, FAILED (exit $status), input kept in ${kept:-none}, log $log")
    echo "---- last lines of $log ----"
    tail -n 60 "$log"
  fi
done
echo "Fuzzing summary ($seconds s each):"
printf '  %s\n' "${summary[@]}"
exit $failed
