#!/usr/bin/env bash
# What the end-to-end plays share: the real program started with a temporary home, its window
# found by its process, presses and drags on the 1280 by 768 canvas letterboxed in the window,
# screenshots, and waits on the debug lines the game prints. Sourced by the play scripts, which
# set `game`, `output` and `log` first.
#
# Every wait is bounded, a loaded machine included: a debug line is awaited for up to
# MQ_E2E_WAIT seconds (30 by default), each call to xdotool or import for a few seconds. A
# failure says what was awaited, shows the end of the game's log and ends the game.
set -u
[ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null && command -v import >/dev/null ||
    { echo "SKIP: no display, xdotool or import"; exit 77; }
wait_limit="${MQ_E2E_WAIT:-30}"
home="$(mktemp -d)"
pid=""
# The game ends with the play, whatever way the play ends.
stop_game() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    pid=""
}
fail() {
    echo "FAIL: $* (after ${SECONDS}s; log: $log)"
    [ -f "$log" ] && tail -n 15 "$log" | sed 's/^/  | /'
    stop_game
    exit 1
}
trap 'stop_game; rm -rf "$home"' EXIT
trap 'echo "FAIL: stopped from outside (after ${SECONDS}s)"; exit 1' TERM INT
mkdir -p "$output"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" env -u USERPROFILE HOME="$home" \
    "$game" >"$log" 2>&1 &
pid=$!
# xdotool itself, bounded: a --sync or a query can wait forever on a busy server.
xdo() { timeout 10 xdotool "$@"; }
window=""
for _ in $(seq 100); do
    window="$(xdo search --pid "$pid" --name '^MirelvanQuibs$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its window"
    sleep 0.2
done
[ -n "$window" ] || fail "no window titled MirelvanQuibs within 20 s"
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null

# The window point of a canvas point.
at() {
    local WIDTH="" HEIGHT=""
    eval "$(xdo getwindowgeometry --shell "$window")"
    [ -n "$WIDTH" ] || { echo "0 0"; return 1; }
    awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" \
        'BEGIN { s = h / w >= 0.6 ? w / 1280 : h / 768
                 printf "%d %d", w / 2 + (x - 640) * s, h / 2 + (y - 384) * s }'
}
# The pointer moved to a canvas point.
point() {
    local p
    p="$(at "$1" "$2")" || fail "no window geometry (moving to $1 $2)"
    # shellcheck disable=SC2086
    xdo mousemove --window "$window" $p || fail "xdotool did not move the pointer to $1 $2"
}
click() {
    point "$1" "$2"
    xdo mousedown 1 && sleep 0.1 && xdo mouseup 1 || fail "xdotool did not click at $1 $2"
}
# A card taken at one canvas point and let go at another, moved in a few steps as a hand does.
drag() {
    point "$1" "$2"
    xdo mousedown 1 || fail "xdotool did not press at $1 $2"
    sleep 0.15
    point $((($1 + $3) / 2)) $((($2 + $4) / 2)) && sleep 0.1
    point "$3" "$4" && sleep 0.15
    xdo mouseup 1 || fail "xdotool did not release at $3 $4"
    sleep 0.4
}
key() { xdo key "$@" || fail "xdotool did not press $*"; }
shot() {
    sleep "$2"
    timeout 20 import -window "$window" "$output/e2e_$1.png" || fail "screenshot $1"
}
# Waits until the debug line has been printed n times (a line given as a pattern with -E).
count() { grep -c "$@" "$log"; }
# Waits until the whole debug line has been printed n times.
await() {
    local until=$((SECONDS + wait_limit))
    while [ "$(count -x -- "$1")" -lt "$2" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the game ended while awaiting \"$1\" $2 time(s)"
        [ "$SECONDS" -lt "$until" ] || fail "never saw \"$1\" $2 time(s) within ${wait_limit}s"
        sleep 0.1
    done
}
# A press that the screen may not take yet (a screen still coming in): pressed again every few
# seconds until the line it leads to has been printed n times.
click_until() {
    local until=$((SECONDS + wait_limit)) next=0
    while [ "$(count -x -- "$3")" -lt "$4" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the game ended while awaiting \"$3\" $4 time(s)"
        [ "$SECONDS" -lt "$until" ] ||
            fail "never saw \"$3\" $4 time(s) within ${wait_limit}s of pressing $1 $2"
        [ "$SECONDS" -ge "$next" ] && click "$1" "$2" && next=$((SECONDS + 6))
        sleep 0.1
    done
}
# The board as the game last told it: its terrains with their sentences, and each card with
# its centre, width, status and caption.
board() {
    awk '/^tableau [0-9]+$/ { b = ""; on = 1 } on { b = b $0 "\n" }
         /^fin du tableau$/ { if (on) last = b; on = 0 } END { printf "%s", last }' "$log"
}
# Title, hub, game-mode screen, the game's set-up screen.
to_setup() {
    await ecrantitre "$1"
    click_until 640 600 ecranintro "$1"
    sleep 0.3 && click_until 640 367 ecranchoixdujeu "$1"
    sleep 0.3 && click 640 "$2"
}
# Escape to the title, and Escape again quits with code 0.
quit() {
    key Escape && await ecrantitre "$1" && sleep 0.3 && key Escape
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
    kill -0 "$pid" 2>/dev/null && fail "Escape on the title did not quit within 20 s"
    wait "$pid"
    local code=$?
    pid=""
    [ "$code" -eq 0 ] || fail "exit code $code"
}
