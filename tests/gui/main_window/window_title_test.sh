#!/usr/bin/env bash
# Starts quirelle with no arguments on a virtual display and waits for a window whose title
# is the program's caption; prints how long the window took to appear.
set -u
quirelle="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export QUIRELLE_BIN="$quirelle"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  start=$(date +%s%N)
  "$QUIRELLE_BIN" &
  pid=$!
  for _ in $(seq 1 200); do
    if xdotool search --name "Quirelle 2.51 - 21.05.2019 - Merzavin" >/dev/null 2>&1; then
      end=$(date +%s%N)
      echo "window shown after $(( (end - start) / 1000000 )) ms"
      kill $pid; wait $pid 2>/dev/null
      exit 0
    fi
    sleep 0.05
  done
  kill $pid 2>/dev/null
  echo "no window titled with the caption appeared" >&2
  exit 1
'
status=$?
[ -f cf0.txt ] || { echo "cf0.txt was not created in the working directory" >&2; exit 1; }
exit $status
