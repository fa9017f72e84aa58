#!/usr/bin/env bash
# run_saver.sh -- builds the x86_64 saver and runs it full screen under Wine. With no DISPLAY it
# runs on a private Xvfb for a few seconds, writes a screenshot and prints its path.
#   KVRN_BUILD_DIR   build folder (default build/)
#   KVRN_RUN_SECONDS how long to run under Xvfb before the screenshot (default 8)
#   KVRN_SHOT        where the screenshot goes (default $KVRN_BUILD_DIR/saver-screenshot.png)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup_debian.sh"
build=${KVRN_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KVRN_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" --target saver_x86_64 -j"$(nproc)"
saver="$build/windows-x86_64/kvrnpss64.scr"

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$build/wine-run-prefix}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

prepare_prefix() {
  if [ ! -f "$WINEPREFIX/user.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once) ..."
    "$wine" wineboot -i >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wineserver" -w
  fi
}

if [ -n "${DISPLAY:-}" ]; then
  prepare_prefix
  exec "$wine" "$saver" /s
fi

# No display: a private Xvfb on a free display number.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 -u "$displayfd" number
export DISPLAY=":$number"
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
prepare_prefix
xdotool mousemove 1023 767
"$wine" "$saver" /s &
saver_pid=$!
# Wait for the saver window, then let it run.
for _ in $(seq 1 600); do
  xwininfo -root -tree | grep -q '"Screen Saver"' && break
  kill -0 "$saver_pid" 2>/dev/null || { echo "The saver ended early." >&2; exit 1; }
  sleep 0.1
done
sleep "${KVRN_RUN_SECONDS:-8}"
shot=${KVRN_SHOT:-$build/saver-screenshot.png}
# Wine 8 renders an OpenGL child window into an offscreen (composite-redirected) X
# window of the screen's size and does not copy it onto the screen under Xvfb; the
# picture is read from that window, and from the screen when there is none.
size=$(xwininfo -root | awk '/geometry/{print $2}' | cut -d+ -f1)
drawing=$(xwininfo -root -tree | awk -v size="$size" '$0 ~ "\\(has no name\\): \\(\\)  " size "\\+0\\+0  \\+-1\\+-1" {print $1; exit}')
if [ -n "$drawing" ]; then
  import -window "$drawing" "$shot"
else
  import -window root "$shot"
fi
echo "$shot"
