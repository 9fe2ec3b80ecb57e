#!/usr/bin/env bash
# Opens the main window when a display is present; otherwise runs the default headless job.
set -euo pipefail
quirelle="$1"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$quirelle"
fi
year=$(date +%Y)
month=$((10#$(date +%m)))
echo "Nessun display: stampo la serie di ricette di $month/$year (53 codici)." >&2
exec "$quirelle" labels series --year "$year" --month "$month" --count 53
