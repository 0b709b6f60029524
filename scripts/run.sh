#!/usr/bin/env bash
# Builds the Windows programs and runs the system under Wine: the virtual
# mouse, Helper (which reads the mouse back and shows its tray icon) and
# Option on screen. The programs run from build/run, a copy of the program
# folder that keeps its configuration (and the virtual mouse's memory)
# from one run to the next. Uses the current X display when there is one,
# otherwise a virtual display, and leaves a screenshot in build/screen.png.
#
#   RUN_SECONDS=n   end after n seconds instead of waiting for Enter
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh win64

dist="$root/build/win64/dist"
run="$root/build/run"
mkdir -p "$run"
# Programs and data come from the build; the user's configuration and the
# virtual mouse's memory, once there, stay.
(cd "$dist" && find . -type f) | while read -r file; do
  case "$file" in
    ./config.ini | ./config/* | *.flash) [ -e "$run/$file" ] && continue ;;
  esac
  mkdir -p "$run/$(dirname "$file")"
  cp "$dist/$file" "$run/$file"
done

programs=()
for program in VirtualMouse.exe Helper.exe Option.exe; do
  [ -f "$run/$program" ] && programs+=("$program")
done
if [ ${#programs[@]} -eq 0 ]; then
  echo "run: built $(ls "$dist" | tr '\n' ' ')- no program to start yet."
  exit 0
fi

# Runs inside the Wine session.
session() {
  cd "$1"; shift
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
    import -window root "$WINE_SESSION_SCREEN" 2>/dev/null && cp "$WINE_SESSION_SCREEN" "$ROOT/build/screen.png" \
      && echo "run: screenshot in build/screen.png"
  fi
}
export -f session
export ROOT="$root"
[ -n "${DISPLAY:-}" ] && export MOUSE_REAL_DISPLAY=1
scripts/wine-session.sh --screen bash -c 'session "$@"' session "$run" "${programs[@]}"
