#!/usr/bin/env bash
# Runs every test: the host build plain, under ASan+UBSan and under TSan, then
# the Windows build under Wine on a private headless display. Installs what is
# missing first. Exit status 0 only when every suite passed.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
build=${QS_BUILD:-$PWD/build}
failed=0
passed_total=0
failed_total=0

# Adds a ctest run's figures to the totals.
count() {
  local log=$1 line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    local f t
    f=$(sed -E 's/.*tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.*tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed_total=$((passed_total + t - f))
    failed_total=$((failed_total + f))
  fi
}

host_suite() { # name, sanitizer
  local dir=$build/$1
  echo "== host: $1"
  if cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DQORINSPY_SANITIZE="$2" >"$dir.configure.log" 2>&1 &&
     cmake --build "$dir" -j "$jobs" >"$dir.build.log" 2>&1; then
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 120 </dev/null 2>&1 | tee "$dir.test.log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
    count "$dir.test.log"
  else
    echo "host $1: build failed"; tail -n 40 "$dir.configure.log" "$dir.build.log" 2>/dev/null
    failed=1
  fi
}

mkdir -p "$build"
host_suite host ""
host_suite asan address
TSAN_OPTIONS="halt_on_error=1" host_suite tsan thread

echo "== windows (under Wine)"
export QS_BUILD=$build
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap qs_stop EXIT
win=$build/win
if qs_ensure_prefix &&
   cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
     -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$win.configure.log" 2>&1 &&
   cmake --build "$win" -j "$jobs" >"$win.build.log" 2>&1; then
  qs_start_xvfb && qs_start_wine
  # Keeps Wine's desktop process up between tests (each GUI test then starts fast).
  "$QS_WINE" "$win/bin/wait_for_window.exe" QorinSPY.NoSuchWindow 3600 </dev/null >/dev/null 2>&1 &
  # 20 stress runs of each kind here; QORINSPY_STRESS_RUNS=50 for the full count.
  QORINSPY_STRESS_RUNS=${QORINSPY_STRESS_RUNS:-20} \
    ctest --test-dir "$win" --output-on-failure --timeout 900 </dev/null 2>&1 | tee "$win.test.log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
  count "$win.test.log"
  echo "== figures"
  timeout 120 "$QS_WINE" "$win/bin/idle_benchmark.exe" </dev/null 2>&1 | iconv -f GBK -t UTF-8 -c
else
  echo "windows: build failed"; tail -n 40 "$win.configure.log" "$win.build.log" 2>/dev/null
  failed=1
fi
qs_stop
trap - EXIT

echo "all suites: $passed_total passed, $failed_total failed"
exit $failed
