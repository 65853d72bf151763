#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# SECONDS (default 60), as many at a time as there are cores:
#   ./scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: monthfile inifile ...)
# Prints per target the executions, the coverage and whether it found
# something; exits non-zero on a finding. Failing inputs go to
# build-fuzz/artifacts/, the growing corpora to build-fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(monthfile inifile channel font exceptionlist operatorlist unitlink)

# Packages (clang among them), and build/tools/zedactl for the month-file seeds.
./scripts/setup.sh --packages-only
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target zedactl
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEDA_FUZZ=ON -DZEDA_BENCH=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz -j2 --target fuzzers

out=build-fuzz
mkdir -p "$out/artifacts" "$out/seeds"

# Month-file seeds made by the program: an hour of data with an operator and
# an exception period, cut down so that mutations stay cheap.
make_month_seeds() {
  local dir="$out/seeds/monthfile" data file
  data="$(mktemp -d)"
  file="$data/D2026-03.ZMF"
  mkdir -p "$dir"
  ./build/tools/zedactl simulate --data-dir "$data" --from "2026-03-01 00:00" --minutes 60 \
    --operator Fuzz >/dev/null 2>&1
  ./build/tools/zedactl exception "$file" --data-dir "$data" --from "2026-03-01 00:10" \
    --to "2026-03-01 00:20" --set "WART Wartung" >/dev/null 2>&1
  # The header and the first hour: a file shorter than its header says.
  head -c $((765 + 60 * 30)) "$file" >"$dir/first-hour.ZMF"
  # One day block and the tables: days stored 1, no overflow days.
  { head -c $((765 + 43200)) "$file"; tail -c $((1600 + 5000)) "$file"; } >"$dir/one-day.ZMF"
  printf '\001\000' | dd of="$dir/one-day.ZMF" bs=1 seek=10 conv=notrunc status=none
  # The earliest layout: exception count "00", only the operator names behind the day.
  head -c $((765 + 43200 + 16)) "$dir/one-day.ZMF" >"$dir/early-layout.ZMF"
  printf '00' | dd of="$dir/early-layout.ZMF" bs=1 seek=6 conv=notrunc status=none
  rm -rf "$data"
}
make_month_seeds

# Any sanitizer report is a finding; leaks only outside the listed libraries.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The targets write their input files many times a second: keep them in memory.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

# Runs one target; its summary line goes to $out/<target>.result.
run_target() {
  local t="$1" log="$out/$1.log" maxlen=4096 found=no
  rm -f "$out/$t.result"
  [ "$t" = monthfile ] && maxlen=65536
  mkdir -p "$out/corpus/$t"
  local dirs=("$out/corpus/$t")
  for d in "fuzz/corpus/$t" "$out/seeds/$t"; do [ -d "$d" ] && dirs+=("$d"); done
  "$out/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
    -max_len="$maxlen" -print_final_stats=1 -artifact_prefix="$out/artifacts/$t-" \
    "${dirs[@]}" >"$log" 2>&1 || found=yes
  local execs cov
  execs="$(awk '/stat::number_of_executed_units/ {print $2}' "$log")"
  cov="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)"
  echo "$t: ${execs:-?} executions, ${cov:-no coverage line}, finding: $found (log $log)" \
    >"$out/$t.result"
}

jobs_max="$(nproc)"
for t in "${targets[@]}"; do
  run_target "$t" &
  while [ "$(jobs -rp | wc -l)" -ge "$jobs_max" ]; do wait -n || true; done
done
wait

status=0
for t in "${targets[@]}"; do
  cat "$out/$t.result"
  if grep -q 'finding: yes' "$out/$t.result"; then status=1; fi
done
exit $status
