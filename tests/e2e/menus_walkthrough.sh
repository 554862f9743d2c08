#!/usr/bin/env bash
# Plays the first menus as a parent would, in the real program: watches the title's opening,
# clicks to the hub, opens the constructions screen, changes three choices, comes back with
# "retour" (the default profile keeps no file), then does it again in a larger window and
# quits. Screenshots of each screen go to the output folder.
#   menus_walkthrough.sh <mirelvanquibs> <output folder>
set -u
game="$1"
output="$2"

if [ -z "${DISPLAY:-}" ]; then
    echo "SKIP: no DISPLAY"
    exit 77
fi
for tool in xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done

fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    exit 1
}

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$output"
log="$output/e2e_menus.log"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
env -u USERPROFILE HOME="$home" "$game" >"$log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 50); do
    window="$(xdotool search --pid "$pid" --name '^MirelvanQuibs$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its window"
    sleep 0.2
done
[ -n "$window" ] || fail "no window titled MirelvanQuibs"

# The window's client size, and a point of the 1280 by 768 canvas in window pixels (the canvas
# is scaled uniformly and centred).
size() { eval "$(xdotool getwindowgeometry --shell "$window")"; }
point() {
    awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN {
        s = (h / w >= 0.6) ? w / 1280 : h / 768
        printf "%d %d", w / 2 + (x - 640) * s, h / 2 + (y - 384) * s }'
}
click() {
    # shellcheck disable=SC2046
    xdotool mousemove --window "$window" $(point "$1" "$2") mousedown 1
    sleep 0.1
    xdotool mouseup 1
}
shot() { import -window "$window" "$output/e2e_$1.png" || fail "screenshot $1 failed"; }
# Waits until the log holds the line `count` times.
await() {
    for _ in $(seq 1 50); do
        [ "$(grep -cx -- "$1" "$log")" -ge "$2" ] && return 0
        sleep 0.1
    done
    fail "never saw \"$1\" $2 time(s) (log: $log)"
}

# One round: title, hub, constructions screen, back to the hub, back to the title.
round() {
    local tag="$1" round="$2"
    size
    if [ "$round" -eq 1 ]; then
        sleep 0.5
        shot "title_${tag}_opening"
        sleep 0.6
        shot "title_${tag}_letters"
    fi
    sleep 2.2
    shot "title_${tag}_done"
    click 640 600
    await ecranintro $((2 * round - 1))
    sleep 0.5
    shot "hub_${tag}"
    click 640 167
    await ecranoptions1 "$round"
    sleep 0.3
    click 162 167
    sleep 0.3
    click 699 342
    sleep 0.3
    click 162 392
    sleep 0.5
    shot "options1_${tag}"
    click 640 568
    await ecranintro $((2 * round))
    await " ya un répertoire defaut" "$round"
    sleep 0.3
    xdotool key Escape
    await ecrantitre $((round + 1))
    # Input that comes before the title's first update is dropped by the switch.
    sleep 0.3
}

xdotool windowfocus --sync "$window" 2>/dev/null
round small 1
# Three choices on each visit: adjectifs twice round (1, 2, 0), que, and the passive box.
[ "$(grep -c "^iGuiButton3Choix state" "$log")" -gt 20 ] || fail "the buttons did not change"
[ -e "$home/Documents/MirelvanQuibs/_defaut/preferences" ] &&
    fail "the default profile got a preferences file"

# A larger window: 1920 by 1080 when the screen holds it, else a tall one (bars above and below).
eval "$(xdotool getdisplaygeometry --shell)"
if [ "$WIDTH" -ge 1920 ] && [ "$HEIGHT" -ge 1080 ]; then
    xdotool windowsize "$window" 1920 1080
    tag=large
else
    xdotool windowsize "$window" 1260 1000
    tag=tall
fi
sleep 0.5
round "$tag" 2

xdotool key Escape
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "Escape on the title did not quit"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "exit code $code (log: $log)"
grep -qi "error\|erreur" "$log" && fail "an error was reported (log: $log)"
echo "PASS: title, hub and constructions screen at two sizes; screenshots in $output"
exit 0
