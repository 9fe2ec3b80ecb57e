#!/usr/bin/env bash
# Starts quirelle with no arguments on a virtual display and waits for a window whose title
# is the program's caption; prints how long the window took to appear.
set -u
quirelle="$1"
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A free display of our own: Xvfb picks the number and writes it to the descriptor, so a
# display left or held by another program on the machine is never taken.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

cd "$work" || exit 1
unset QT_QPA_PLATFORM
start=$(date +%s%N)
"$quirelle" >"$work/out.log" 2>&1 &
app_pid=$!
shown=
for _ in $(seq 1 200); do
  if xdotool search --name "Quirelle 2.51 - 21.05.2019 - Merzavin" >/dev/null 2>&1; then
    shown=$(( ($(date +%s%N) - start) / 1000000 ))
    break
  fi
  sleep 0.05
done
kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null
app_pid=
if [ -z "$shown" ]; then
  echo "no window titled with the caption appeared" >&2
  cat "$work/out.log" >&2
  exit 1
fi
echo "window shown after $shown ms"
[ -f cf0.txt ] || { echo "cf0.txt was not created in the working directory" >&2; exit 1; }
