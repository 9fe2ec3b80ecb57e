#!/usr/bin/env bash
# Opens the main window when a display is present; otherwise prints this month's 53-code
# prescription series to labels.pdf in the current directory.
set -euo pipefail
quirelle="$1"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$quirelle"
fi
year=$(date +%Y)
month=$((10#$(date +%m)))
"$quirelle" print series --year "$year" --month "$month" --count 53 -o labels.pdf
echo "Nessun display: la serie di ricette di $month/$year (53 codici) è stata stampata in $(pwd)/labels.pdf." >&2
