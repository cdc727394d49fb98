#!/usr/bin/env bash
# Whole-process timings of one grouped capability analysis (5000 values in samples of 5:
# moments, median and quartiles, sigma from R-bar/d2, CP and CPK) by kpa, by base R and qcc,
# and by Python with numpy, each on the same data file. Tools that are not installed are
# skipped. Not part of the test suite: run it by hand, e.g.
#   bench/compare/compare.sh build-release/kpa 20
set -euo pipefail

kpa=${1:-build-release/kpa}
runs=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work/data.csv" <<'PY'
import random, sys
random.seed(2026)
with open(sys.argv[1], "w") as out:
    out.write("x,sample\n")
    for i in range(5000):
        out.write("%.5f,%d\n" % (random.gauss(74.0, 0.01), i // 5 + 1))
PY
sed "s|@DATA@|$work/data.csv|" "$here/analysis.kps" >"$work/analysis.kps"

# Median wall time in milliseconds of `runs` runs of the command given.
median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

printf '%-28s %10s\n' "tool" "median ms"
printf '%-28s %10s\n' "kpa run" "$(median_ms "$kpa" run "$work/analysis.kps")"
if command -v Rscript >/dev/null; then
  printf '%-28s %10s\n' "Rscript (base R)" "$(median_ms Rscript "$here/analysis.R" "$work/data.csv")"
  if Rscript -e 'library(qcc)' >/dev/null 2>&1; then
    printf '%-28s %10s\n' "Rscript (qcc)" \
      "$(median_ms Rscript "$here/analysis.R" "$work/data.csv" qcc)"
  fi
else
  echo "Rscript: not installed, skipped"
fi
if python3 -c 'import numpy' >/dev/null 2>&1; then
  printf '%-28s %10s\n' "python3 (numpy)" "$(median_ms python3 "$here/analysis.py" "$work/data.csv")"
else
  echo "python3 with numpy: not installed, skipped"
fi
