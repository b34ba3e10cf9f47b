#!/usr/bin/env bash
# Starts the desktop game under a private Xvfb server from a temporary folder holding
# copies of the build's image/ and audio/, then plays it as a person would: checks
# the caption, the client size and the menu on screen, starts a game, ends it,
# confirms the name, leaves the high-score screen and quits from the menu.
# Usage: play_in_xvfb.sh QUORVAX-EXECUTABLE BUILD-FOLDER
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  script=$(readlink -f "$0")
  game=$(readlink -f "$1")
  build=$(readlink -f "$2")
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp -r "$build/image" "$build/audio" "$work/"
  cd "$work"
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$script" --inside "$game"
  test -f "$work/quorvax_score.dat" || { echo "FAIL: no score file was written"; exit 1; }
  echo "PASS: the game ran, played and quit in a real window"
  exit 0
fi

game=$2
fail() { echo "FAIL: $*"; exit 1; }

SDL_AUDIODRIVER=dummy "$game" 2>game.err &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorvax$' | head -n 1) ||
  fail "no window captioned Quorvax appeared"

# The client area, its position on the screen and the window's caption.
geometry() { xwininfo -id "$wid"; }
width=$(geometry | awk '/^  Width:/ {print $2}')
height=$(geometry | awk '/^  Height:/ {print $2}')
left=$(geometry | awk '/Absolute upper-left X:/ {print $4}')
top=$(geometry | awk '/Absolute upper-left Y:/ {print $4}')
[ "$width" = 384 ] && [ "$height" = 384 ] || fail "client area is ${width}x${height}, not 384x384"
caption() { xdotool getwindowname "$wid"; }

# The colours found in a band of logical text rows (8 logical pixels = 16 screen
# pixels each), as RRGGBB lines, from a fresh screenshot of the whole screen.
band_colours() {  # FIRST-ROW ROWS
  import -window root shot.png
  convert shot.png -crop "384x$((16 * $2))+$left+$((top + 16 * $1))" +repage \
    -format %c histogram:info:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}
has_colour() {  # COLOUR FIRST-ROW ROWS
  band_colours "$2" "$3" | grep -qx "$1"
}
key() {
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --clearmodifiers "$1"
}
wait_for() {  # DESCRIPTION COMMAND...
  local what=$1; shift
  for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done
  fail "$what"
}

# The menu: the white title on row 2 over black, the orange credit on row 22.
wait_for "the menu's white title on text row 2" has_colour FFFFFF 2 1
has_colour 000000 2 1 || fail "no black background around the title"
has_colour FF9933 22 1 || fail "no orange credit line on row 22"
[ "$(caption)" = Quorvax ] || fail "caption is '$(caption)' on the menu"

# Enter starts a game: the title row empties and the red top row of invaders appears.
key Return
wait_for "a game with its red top row of invaders" has_colour FF3333 3 1
has_colour FFFFFF 2 1 && fail "the menu title is still on screen in a game"
# Escape is ignored while "READY!" (white, text row 16) is shown: wait for its end.
ready_gone() { ! has_colour FFFFFF 16 1; }
wait_for "the end of the READY! wait" ready_gone

# Escape ends the game; name entry asks in orange on row 10. When the Escape is still
# the current message at name entry's first frame tick, name entry ends at once with
# an empty name and the high-score screen follows straight away; both are right.
key Escape
prompt_or_scores() {
  has_colour FF9933 10 1 || [ "$(caption)" = 'High Score' ]
}
wait_for "the name entry prompt or the high-score screen" prompt_or_scores
[ "$(caption)" = 'High Score' ] || key Return
wait_for "the high-score screen's caption" bash -c "[ \"\$(xdotool getwindowname $wid)\" = 'High Score' ]"
key Escape
wait_for "the menu's caption again" bash -c "[ \"\$(xdotool getwindowname $wid)\" = Quorvax ]"
wait_for "the menu's title again" has_colour FFFFFF 2 1

# Escape on the menu ends the program with status 0.
key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on Escape"
status=0
wait "$pid" || status=$?
trap - EXIT
[ "$status" = 0 ] || { cat game.err; fail "exit status $status"; }
