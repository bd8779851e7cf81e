#!/usr/bin/env bash
# Runs every fuzz target of a LAUNDRY_FUZZ build for SECONDS each, on a copy
# of its seed corpus in the build folder (new inputs never land in tests/).
# Findings are kept in BUILD/fuzz/<target>/findings; exit 1 when any target
# found something.
#   tests/fuzz/run_fuzzers.sh BUILD SECONDS
set -uo pipefail
build=$(realpath "$1")
seconds=$2
seeds=$(dirname "$(realpath "$0")")/corpus

# Longest input each target reads: past it bytes are ignored or the input
# is larger than any real one.
declare -A max_len=(
  [card_file_fuzzer]=16384     # a few images with data areas
  [card_contents_fuzzer]=7882  # chip, flags, header and a full data area
  [filter_text_fuzzer]=2048
  [field_text_fuzzer]=256
  [profile_json_fuzzer]=16384  # a handful of exported profiles
  [setup_record_fuzzer]=880    # one setup record
)

failed=()
for target in $(printf "%s\n" "${!max_len[@]}" | sort); do
  work=$build/fuzz/$target
  mkdir -p "$work/corpus" "$work/findings"
  cp -n "$seeds/$target"/* "$work/corpus/"
  dict=()
  [ -f "$seeds/../$target.dict" ] && dict=(-dict="$seeds/../$target.dict")
  echo "fuzz: $target for ${seconds}s" >&2
  if ! ASAN_OPTIONS=detect_leaks=1 QT_QPA_PLATFORM=offscreen \
      "$build/bin/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" "${dict[@]}" \
      -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$work/findings/" "$work/corpus" > "$work/log" 2>&1; then
    failed+=("$target")
    tail -n 60 "$work/log" >&2
  else
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$work/log" | tr '\n' ' ' >&2
    echo >&2
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $build/fuzz/<target>/findings)" >&2
  exit 1
fi
