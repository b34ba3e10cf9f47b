#!/bin/sh
# Runs the window probe under Xvfb (1366x768, no window manager), checks the window's
# caption, client size, centred position and shown pixels with xwininfo and xwd,
# types keys with xdotool and checks the messages the probe fetched, resizes the
# window and closes it as a close button does.
# Usage: window_test.sh PROBE
set -u
probe=$1

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIP: xvfb-run is not installed"
    exit 0
fi

if [ "${QUORVAX_IN_XVFB:-}" != 1 ]; then
    QUORVAX_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1366x768x24" sh "$0" "$probe"
fi

for tool in xdotool xwininfo xwd convert python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is missing"; exit 1; }
done

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# In the sanitizer build, leaks of the system libraries are not ours to report.
here=$(cd "$(dirname "$0")" && pwd)
LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
    SDL_AUDIODRIVER=dummy "$probe" >"$work/out" 2>"$work/err" &
pid=$!

wait_for() {  # wait_for PATTERN: up to 30 s for a line of the probe's output
    i=0
    while ! grep -q "$1" "$work/out"; do
        i=$((i + 1))
        [ $i -gt 300 ] && return 1
        sleep 0.1
    done
}

wait_for '^ready' || { fail "the probe did not start"; cat "$work/err"; exit 1; }
grep -q '^ready 384 384$' "$work/out" || fail "client size in the program: $(head -1 "$work/out")"

wid=$(xdotool search --sync --name '^Display unit default title$' | head -1)
[ -n "$wid" ] || { fail "no window with the default caption"; exit 1; }

xwininfo -id "$wid" >"$work/info"
grep -q 'Width: 384$' "$work/info" || fail "client width: $(grep Width "$work/info")"
grep -q 'Height: 384$' "$work/info" || fail "client height: $(grep Height "$work/info")"
grep -q 'Absolute upper-left X:  491$' "$work/info" || fail "x: $(grep 'upper-left X' "$work/info")"
grep -q 'Absolute upper-left Y:  192$' "$work/info" || fail "y: $(grep 'upper-left Y' "$work/info")"

# The back buffer (red) must reach the window within a few refreshes.
shown=no
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.3
    xwd -silent -id "$wid" >"$work/shot.xwd"
    colour=$(convert "$work/shot.xwd" -format '%[pixel:p{200,200}]' info: 2>/dev/null)
    case "$colour" in
        "srgb(255,0,0)" | red) shown=yes; break ;;
    esac
done
[ "$shown" = yes ] || fail "window pixel (200,200) is $colour, expected red"

xdotool windowfocus --sync "$wid"
# xdotool releases a chord's modifier first: Shift goes up before A.
xdotool key --delay 50 space Left shift+a Escape
wait_for '^KEYUP 27 ' || fail "the probe saw no Escape key-up"

expected='KEYDOWN 32 0x00390001
CHAR 32 0x00390001
KEYUP 32 0xC0390001
KEYDOWN 37 0x004B0001
KEYUP 37 0xC04B0001
KEYDOWN 16 0x002A0001
KEYDOWN 65 0x001E0001
CHAR 65 0x001E0001
KEYUP 16 0xC02A0001
KEYUP 65 0xC01E0001
KEYDOWN 27 0x00010001
CHAR 27 0x00010001
KEYUP 27 0xC0010001'
got=$(grep -v '^ready\|^size' "$work/out")
if [ "$got" != "$expected" ]; then
    fail "key messages differ"
    echo "--- expected"; echo "$expected"; echo "--- got"; echo "$got"
fi

# Every other key the game reads, by X key name: its virtual key and its character
# ("-" for none). Checked by code only; the flags were checked above.
keys='semicolon:186:59 equal:187:61 comma:188:44 minus:189:45 period:190:46
slash:191:47 grave:192:96 bracketleft:219:91 backslash:220:92 bracketright:221:93
apostrophe:222:39 0:48:48 9:57:57 z:90:122 BackSpace:8:8 Tab:9:9 Return:13:13
Up:38:- Down:40:- Right:39:- F1:112:- KP_5:101:53'
before=$(wc -l <"$work/out")
names=""
expected=""
for entry in $keys; do
    name=${entry%%:*}
    rest=${entry#*:}
    vk=${rest%%:*}
    char=${rest#*:}
    names="$names $name"
    expected="${expected}KEYDOWN $vk
"
    [ "$char" = - ] || expected="${expected}CHAR $char
"
    expected="${expected}KEYUP $vk
"
done
xdotool key --delay 30 $names
wait_for '^KEYUP 101 ' || fail "the probe saw no key-up of keypad 5"
got=$(tail -n +$((before + 1)) "$work/out" | grep -v '^size' | cut -d' ' -f1,2)
expected=$(printf '%s' "$expected")
if [ "$got" != "$expected" ]; then
    fail "codes of the other keys differ"
    echo "--- expected"; echo "$expected"; echo "--- got"; echo "$got"
fi

# Dragging the frame to 500 x 300: the program sees the new client size.
xdotool windowsize "$wid" 500 300
wait_for '^size 500 300$' || fail "the probe saw no size change to 500 x 300"

# The close button ends the program at once with status 0 (the probe has no other
# way out: without the close it runs until it is killed after 30 s).
python3 "$here/close_window.py" "$wid" || fail "could not send the close request"
i=0
while kill -0 "$pid" 2>/dev/null && [ $i -lt 300 ]; do
    i=$((i + 1))
    sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { fail "probe exit status $status after the close request"; head -60 "$work/err"; }

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "PASS: window caption, size, position, pixels, key messages, resize and close"
