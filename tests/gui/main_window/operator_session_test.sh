#!/usr/bin/env bash
# The real program under a virtual display with a window manager, driven with xdotool as an
# operator would: an invalid fiscal code typed and "Salva" clicked at once (the program is
# paused while the keys and the click are sent, so they arrive together), the check's box
# answered, the corrected code saved, then "ESCI". cf0.txt must hold the corrected code only,
# and the process must end with its window.
set -u
quirelle=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid= wm_pid= app_pid=
cleanup() {
  for p in $app_pid $wm_pid $xvfb_pid; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -n "${QUIRELLE_E2E_SHOT:-}" ] && { import -window root "$QUIRELLE_E2E_SHOT"; echo "display $DISPLAY"; xdotool search --name Quirelle; ps -o pid,stat,cmd -p "$app_pid"; } >&2
  exit 1
}

# A free display of our own: Xvfb picks the number and writes it to the descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 1 200); do wm_up && break; sleep 0.05; done
wm_up || fail "openbox did not start: $(cat "$work/openbox.log")"

cd "$work" || exit 1
printf 'AAAAAA85T10A562A\r\n' > cf0.txt
unset QT_QPA_PLATFORM
"$quirelle" >"$work/out.log" 2>&1 &
app_pid=$!
win=
for _ in $(seq 1 600); do
  win=$(xdotool search --onlyvisible --name "Quirelle 2.51 - 21.05.2019 - Merzavin" 2>/dev/null | head -n1)
  [ -n "$win" ] && break
  sleep 0.05
done
[ -n "$win" ] || fail "no main window: $(cat "$work/out.log")"
xdotool windowactivate --sync "$win" 2>/dev/null
sleep 1  # mapped, framed, active and painted

# Places inside the window (its client area): the fiscal code edit, "Salva", "ESCI".
click_at() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
box_count() { xdotool search --onlyvisible --name '^Quirelle$' 2>/dev/null | wc -l; }
answer_box() {
  for _ in $(seq 1 100); do [ "$(box_count)" -gt 0 ] && break; sleep 0.05; done
  [ "$(box_count)" -gt 0 ] || fail "no message box appeared"
  xdotool key Return
  for _ in $(seq 1 100); do [ "$(box_count)" -eq 0 ] && break; sleep 0.05; done
}

click_at 224 65
sleep 0.3
kill -STOP "$app_pid"
xdotool type --delay 5 "GLLPLA75C12L211A"
click_at 228 132
kill -CONT "$app_pid"
answer_box  # the check: wrong check character, corrected to V
sleep 0.3
click_at 228 132  # Salva: stores the corrected code
sleep 0.3
click_at 884 56   # ESCI
for _ in $(seq 1 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app_pid" 2>/dev/null; then
  import -window root "$work/left-running.png" 2>/dev/null
  fail "the process is still running after ESCI"
fi
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/out.log")"
expected=$(printf 'AAAAAA85T10A562A\r\nGLLPLA75C12L211V\r\n')
[ "$(cat cf0.txt)" = "$expected" ] || fail "cf0.txt holds: $(od -c cf0.txt | head)"
echo "ok: corrected code saved, invalid one never stored, process ended"
