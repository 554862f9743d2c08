#!/usr/bin/env bash
# What the end-to-end plays share: the real program started with a temporary home, its window
# found by its process, presses and drags on the 1280 by 768 canvas letterboxed in the window,
# screenshots, and waits on the debug lines the game prints. Sourced by the play scripts, which
# set `game`, `output` and `log` first.
set -u
[ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null && command -v import >/dev/null ||
    { echo "SKIP: no display, xdotool or import"; exit 77; }
home="$(mktemp -d)"
fail() { echo "FAIL: $* (log: $log)"; kill "$pid" 2>/dev/null; exit 1; }
trap 'rm -rf "$home"' EXIT
mkdir -p "$output"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" env -u USERPROFILE HOME="$home" \
    "$game" >"$log" 2>&1 &
pid=$!
for _ in $(seq 50); do
    window="$(xdotool search --pid "$pid" --name '^MirelvanQuibs$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break || sleep 0.2
done
[ -n "$window" ] || fail "no window"
xdotool windowfocus --sync "$window" 2>/dev/null

# The window point of a canvas point.
at() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" \
        'BEGIN { s = h / w >= 0.6 ? w / 1280 : h / 768
                 printf "%d %d", w / 2 + (x - 640) * s, h / 2 + (y - 384) * s }'
}
# shellcheck disable=SC2046
click() { xdotool mousemove --window "$window" $(at "$1" "$2") mousedown 1 && sleep 0.1 &&
    xdotool mouseup 1; }
# A card taken at one canvas point and let go at another, moved in a few steps as a hand does.
# shellcheck disable=SC2046
drag() {
    xdotool mousemove --window "$window" $(at "$1" "$2") mousedown 1 && sleep 0.15
    xdotool mousemove --window "$window" $(at $((($1 + $3) / 2)) $((($2 + $4) / 2))) && sleep 0.1
    xdotool mousemove --window "$window" $(at "$3" "$4") && sleep 0.15 && xdotool mouseup 1
    sleep 0.4
}
shot() { sleep "$2" && import -window "$window" "$output/e2e_$1.png" || fail "screenshot $1"; }
# Waits until the debug line has been printed n times (a line given as a pattern with -E).
count() { grep -c "$@" "$log"; }
await() {
    for _ in $(seq 100); do
        [ "$(count -x -- "$1")" -ge "$2" ] && return 0 || sleep 0.1
    done
    fail "never saw \"$1\" $2 time(s)"
}
# The board as the game last told it: its terrains with their sentences, and each card with
# its centre, width, status and caption.
board() {
    awk '/^tableau [0-9]+$/ { b = ""; on = 1 } on { b = b $0 "\n" }
         /^fin du tableau$/ { if (on) last = b; on = 0 } END { printf "%s", last }' "$log"
}
# Title, hub, game-mode screen, the game's set-up screen.
to_setup() {
    sleep 2.2 && click 640 600 && await ecranintro "$1"
    sleep 0.3 && click 640 367 && await ecranchoixdujeu "$1"
    sleep 0.3 && click 640 "$2"
}
# Escape to the title, and Escape again quits with code 0.
quit() {
    xdotool key Escape && await ecrantitre "$1" && sleep 0.3 && xdotool key Escape
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
    kill -0 "$pid" 2>/dev/null && fail "Escape on the title did not quit"
    wait "$pid" || fail "exit code $?"
}
