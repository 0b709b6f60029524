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

[ -n "${DISPLAY:-}" ] && export MOUSE_REAL_DISPLAY=1
scripts/wine-session.sh --screen "$root/scripts/run-session.sh" "$run" "$root/build/screen.png" \
  "${programs[@]}"
