#!/usr/bin/env bash
# Runs every libFuzzer target of BUILD for SECONDS each on its corpus: the checked-in seeds
# of fuzz/corpus/NAME (the script fuzzers also start from examples/ and tests/scripts/) and
# a working corpus under BUILD/corpus/NAME that keeps what each run finds. A crash, leak or
# undefined behaviour stops with the input written to BUILD/findings/ and a non-zero exit.
#   tools/run-fuzzers.sh BUILD SECONDS [NAME...]
set -euo pipefail
build=$1
seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  names=(csv_reader stat_file sidecar selection specifications script_parser script_runner)
fi
mkdir -p "$build/findings"
status=0
printf '%-16s %12s %8s %8s %6s\n' target executions cov ft result
for name in "${names[@]}"; do
  work="$build/corpus/$name"
  mkdir -p "$work"
  seeds=("$root/fuzz/corpus/$name")
  case $name in
    script_parser | script_runner)
      for script in "$root"/examples/*.kps "$root"/tests/scripts/*.kps; do
        cp "$script" "$work/$(basename "$(dirname "$script")")-$(basename "$script")"
      done
      ;;
  esac
  case $name in
    csv_reader) dictionary=csv ;;
    script_parser | script_runner) dictionary=script ;;
    *) dictionary=$name ;;
  esac
  dict=()
  [ -f "$root/fuzz/dictionaries/$dictionary.dict" ] &&
    dict=("-dict=$root/fuzz/dictionaries/$dictionary.dict")
  log="$build/findings/$name.log"
  result=ok
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$build/findings/$name-" "${dict[@]}" "$work" \
    "${seeds[@]}" >"$log" 2>&1; then
    result=FAILED
    status=1
  fi
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  coverage=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | grep -oE '[0-9]+' || echo 0)
  features=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | grep -oE '[0-9]+' || echo 0)
  printf '%-16s %12s %8s %8s %6s\n' "$name" "$executions" "$coverage" "$features" "$result"
  if [ $result = FAILED ]; then tail -40 "$log"; fi
done
exit $status
