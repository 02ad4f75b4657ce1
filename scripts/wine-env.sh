# Sourced by run.sh and test.sh: the Wine prefix under the build folder, a
# headless display, and a clean stop. Every Wine call here is bounded, and
# Wine's long-lived processes never hold the caller's stdout or stderr.

QS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QS_BUILD=${QS_BUILD:-$QS_ROOT/build}
export WINEPREFIX=$QS_BUILD/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export WINEARCH=win64
QS_WINE="$QS_ROOT/scripts/wine-run"
QS_XVFB_PID=

qs_wine() { # bounded, quiet Wine call
  timeout 120 "$QS_WINE" "$@" </dev/null >/dev/null 2>&1
}

# Creates the prefix once: 1024x768 virtual desktop, fonts that hold CJK, no
# crash dialog. A prefix without the marker is a half-made one: start over.
qs_ensure_prefix() {
  [ -f "$WINEPREFIX/.qorinspy-ready" ] && return 0
  echo "wine: creating prefix $WINEPREFIX"
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$QS_BUILD"
  local saved_display=${DISPLAY-}
  export DISPLAY=${DISPLAY:-:0}   # wine-run insists; wineboot needs no real display
  qs_wine wineboot -i || { echo "wine: wineboot failed" >&2; return 1; }
  qs_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
  qs_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
  qs_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  qs_wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /d 'WenQuanYi Micro Hei' /f
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  if [ -n "$saved_display" ]; then export DISPLAY=$saved_display; else unset DISPLAY; fi
  touch "$WINEPREFIX/.qorinspy-ready"
}

# Starts a private Xvfb on a free display number and exports DISPLAY.
qs_start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
  QS_XVFB_PID=$!
  local n
  if ! read -r -t 20 n <"$fifo"; then
    rm -f "$fifo"
    echo "xvfb: did not start" >&2
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=:$n
}

# A persistent wineserver and an updated prefix, started with no inherited pipes.
qs_start_wine() {
  timeout 30 wineserver -p </dev/null >/dev/null 2>&1 || true
  qs_wine wineboot -u || true
}

qs_stop() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  if [ -n "$QS_XVFB_PID" ]; then
    kill "$QS_XVFB_PID" 2>/dev/null || true
    wait "$QS_XVFB_PID" 2>/dev/null || true
    QS_XVFB_PID=
  fi
}
