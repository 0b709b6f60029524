#!/usr/bin/env bash
# The part of scripts/run.sh that runs inside the Wine session: starts the
# programs from the program folder, then waits for the user (on a real
# display) or a while (on the virtual one) and keeps a screenshot.
#   run-session.sh <program folder> <screenshot file> <program>...
set -uo pipefail
folder=$1
screenshot=$2
shift 2
cd "$folder"
for program in "$@"; do
  echo "run: starting $program"
  wine "$program" >/dev/null 2>&1 &
  sleep 3
done
if [ -z "${RUN_SECONDS:-}" ] && [ -n "${MOUSE_REAL_DISPLAY:-}" ]; then
  echo "run: the programs are on your display; press Enter to end them."
  read -r _ || true
else
  sleep "${RUN_SECONDS:-20}"
  if import -window root "$screenshot" 2>/dev/null; then
    echo "run: screenshot in $screenshot"
  fi
fi
