# Sourced: starts a private Xvfb display and a warm wineserver for this shell,
# and stops both when the shell exits.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

tavi_display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then tavi_display=$n; break; fi
done
[ -n "$tavi_display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb ":$tavi_display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
tavi_xvfb_pid=$!
export DISPLAY=":$tavi_display"
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$tavi_display" ] && break; sleep 0.1; done

tavi_stop_session() {
  "$WINESERVER64" -k >/dev/null 2>&1 || true
  kill "$tavi_xvfb_pid" >/dev/null 2>&1 || true
  wait "$tavi_xvfb_pid" 2>/dev/null || true
}
trap tavi_stop_session EXIT

# A wineserver left from another session serves another display: end it.
"$WINESERVER64" -k >/dev/null 2>&1 || true
"$WINESERVER64" -w >/dev/null 2>&1 || true

# A persistent wineserver keeps each test program's start under 0.1 s; its
# output must not hold CTest's pipes open.
"$WINESERVER64" -p </dev/null >/dev/null 2>&1
"$WINE64" cmd /c exit </dev/null >/dev/null 2>&1 || true
# The first window of a session starts Wine's desktop process, which keeps the
# standard handles of whoever started it: start it here, not under a test.
"$WINE64" rundll32.exe user32.dll,MessageBeep </dev/null >/dev/null 2>&1 || true
