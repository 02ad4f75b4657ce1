#!/usr/bin/env bash
# Builds QorinSPY.exe and starts it under Wine: on $DISPLAY when it is set,
# otherwise on a private headless display, where a screenshot is saved once
# the window shows and its path printed. Runs until the window is closed (or
# Ctrl-C); the exit status is the program's exit code (-1 reads as 255).
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1

export QS_BUILD=${QS_BUILD:-$PWD/build}
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
program_pid=
finish() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  qs_stop
}
trap finish EXIT
trap 'exit 130' INT TERM

win=$QS_BUILD/win
qs_ensure_prefix || exit 1
if ! { cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
         -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$win.configure.log" 2>&1 &&
       cmake --build "$win" -j "$(nproc 2>/dev/null || echo 2)" --target QorinSPY wait_for_window \
         >"$win.build.log" 2>&1; }; then
  echo "build failed:"; tail -n 40 "$win.configure.log" "$win.build.log"
  exit 1
fi

headless=0
if [ -z "${DISPLAY:-}" ]; then
  qs_start_xvfb || exit 1
  headless=1
fi
qs_start_wine

"$QS_WINE" "$win/bin/QorinSPY.exe" </dev/null >/dev/null 2>&1 &
program_pid=$!
echo "QorinSPY is running (display $DISPLAY); close its window to end it."

if [ "$headless" -eq 1 ]; then
  if timeout 90 "$QS_WINE" "$win/bin/wait_for_window.exe" QorinSPY 60 </dev/null >/dev/null 2>&1; then
    sleep 1  # let the first paint finish; this is a picture, not a test
    shot=$QS_BUILD/screenshot.png
    import -display "$DISPLAY" -window root "$shot" && echo "screenshot: $shot"
  else
    echo "the window did not show within 60 s"
  fi
fi

wait "$program_pid"
code=$?
program_pid=
echo "QorinSPY exited with code $code"
exit "$code"
