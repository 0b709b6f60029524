#!/usr/bin/env bash
# Runs a command inside a Wine session: a fresh Wine prefix copied from a
# template (made once and kept in build/wine/template), a virtual X display,
# a persistent wineserver and a prewarmed Wine, so that test programs start
# in a fraction of a second and never inherit a stray background process.
#
#   scripts/wine-session.sh [--screen] <command> [args...]
#
# The command sees WINEPREFIX, DISPLAY and WINE_SESSION_SCREEN (a path where
# a screenshot of the whole display can be written with `import`).
# With --screen and a DISPLAY already set, the existing display is used
# instead of a virtual one (for running the programs in front of a user).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

use_existing_display=0
if [ "${1:-}" = "--screen" ]; then
  shift
  [ -n "${DISPLAY:-}" ] && use_existing_display=1
fi
[ $# -gt 0 ] || { echo "usage: wine-session.sh [--screen] <command...>" >&2; exit 2; }

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The ANSI code page Wine uses follows the locale: keep it the same everywhere.
export LC_ALL=C.UTF-8

wine_dir="$root/build/wine"
template="$wine_dir/template"
mkdir -p "$wine_dir"

make_template() {
  echo "wine-session: creating the Wine prefix template (once)" >&2
  rm -rf "$template.tmp"
  WINEPREFIX="$template.tmp" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash -c 'wineboot -i >/dev/null 2>&1;
             wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1;
             wineserver -w'
  # Wine does not look in its own font folder: give the prefix its fonts.
  cp -n /usr/share/wine/fonts/* "$template.tmp/drive_c/windows/Fonts/" 2>/dev/null || true
  touch "$template.tmp/.complete"
  rm -rf "$template"
  mv "$template.tmp" "$template"
}

[ -f "$template/.complete" ] || make_template

# One fresh prefix per session; several sessions may run side by side.
prefix=$(mktemp -d "$wine_dir/session.XXXXXX")
cleanup() { rm -rf "$prefix"; }
trap cleanup EXIT
cp -a "$template/." "$prefix/"
export WINEPREFIX="$prefix"
export WINE_SESSION_SCREEN="$prefix/screen.png"

inner='wineserver -p
wine cmd /c exit 0 </dev/null >/dev/null 2>&1
set +e
"$@"
rc=$?
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
exit $rc'

if [ $use_existing_display -eq 1 ]; then
  bash -c "$inner" wine-session "$@"
else
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c "$inner" wine-session "$@"
fi
