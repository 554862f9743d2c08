#!/usr/bin/env bash
# What the end-to-end plays share: the real program started with a temporary home, its window
# found by its process, presses and drags on the 1280 by 768 canvas letterboxed in the window,
# screenshots, the window resized under a screen, and waits on the debug lines the game prints.
# Sourced by the play scripts, which set `game`, `output` and `log` first (and may define
# `prepare_home`, run in the new home before the game starts).
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
# A play may fill the home first, as a parent would by hand before starting the game.
if declare -F prepare_home >/dev/null; then prepare_home || fail "could not prepare the home"; fi
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" env -u USERPROFILE HOME="$home" \
    "$game" >"$log" 2>&1 &
pid=$!
# xdotool itself, bounded: a --sync or a query can wait forever on a busy server.
xdo() { timeout 10 xdotool "$@"; }
# The window of the game started as $pid, focused.
find_window() {
    window=""
    for _ in $(seq 100); do
        window="$(xdo search --pid "$pid" --name '^MirelvanQuibs$' 2>/dev/null | head -n 1)"
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its window"
        sleep 0.2
    done
    [ -n "$window" ] || fail "no window titled MirelvanQuibs within 20 s"
    timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
}
find_window

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
# "x y" of card k of the board as the game last told it.
card() { board | awk -v k="$1" '$1 == "etiquette" && $2 == k { print $3, $4 }'; }
# How many presses took a card, and the card the last one took (its index in its list), as the
# game tells them.
grabs() { count -E "= le no de l'etiquetteabouger [0-9]+$"; }
grabbed() { grep -E "= le no de l'etiquetteabouger [0-9]+$" "$log" | tail -n 1 | awk '{ print $NF }'; }
# A press at a canvas point, held; the card it must take.
take() {
    local n
    n=$(($(grabs) + 1))
    point "$1" "$2"
    xdo mousedown 1 || fail "xdotool did not press at $1 $2"
    await_re "= le no de l'etiquetteabouger [0-9]+$" "$n"
    [ "$(grabbed)" = "$3" ] || fail "a press at $1 $2 took card $(grabbed), not card $3 in sight"
}
# The held card carried from one canvas point to another through the point halfway, and let go
# unless told to hold.
carry() {
    sleep 0.1
    point $((($1 + $3) / 2)) $((($2 + $4) / 2)) && sleep 0.1
    point "$3" "$4" && sleep 0.2
    [ "${5:-}" = hold ] && return 0
    xdo mouseup 1 || fail "xdotool did not release at $3 $4"
    sleep 0.3
}
# The card at "kx ky", index k, carried a little off the centre of the card at "jx jy" (both
# show), held there for a picture, then carried back and let go where it came from.
hold_over() { # kx ky k jx jy picture
    take "$1" "$2" "$3"
    carry "$1" "$2" $(($4 + 14)) $(($5 + 6)) hold
    shot "$6" 0.2
    carry $(($4 + 14)) $(($5 + 6)) "$1" "$2"
}
key() { xdo key "$@" || fail "xdotool did not press $*"; }
shot() {
    sleep "$2"
    timeout 20 import -window "$window" "$output/e2e_$1.png" || fail "screenshot $1"
}
# The window's size, "width height".
window_size() {
    local WIDTH="" HEIGHT=""
    eval "$(xdo getwindowgeometry --shell "$window")"
    echo "$WIDTH $HEIGHT"
}
# The window resized, once the game has drawn its first frame at the new size (its line
# "fenêtre W x H").
resize() {
    local n
    [ "$(window_size)" = "$1 $2" ] && return 0
    n=$(($(count -x -- "fenêtre $1 x $2") + 1))
    xdo windowsize "$window" "$1" "$2" || fail "xdotool did not resize the window to $1 x $2"
    await "fenêtre $1 x $2" "$n"
}
# The large size a screen is looked at: 1920 by 1080, or the display's size when it is smaller
# (a play then still runs, its large pictures smaller).
large_size() {
    local WIDTH=1920 HEIGHT=1080
    eval "$(xdo getdisplaygeometry --shell)"
    echo "$((WIDTH < 1920 ? WIDTH : 1920)) $((HEIGHT < 1080 ? HEIGHT : 1080))"
}
# A screen looked at while it plays: a screenshot at the size the window has, then the window
# resized to the large size, to a tall narrow one (bars above and below the canvas) and back,
# with a screenshot after each refit. The letterbox and the decor must keep their places.
look() {
    local size
    size="$(window_size)"
    shot "$1_${size/ /x}" 0.2
    # shellcheck disable=SC2046
    resize $(large_size) && shot "$1_large" 0.2
    resize 640 1000 && shot "$1_tall" 0.2
    # shellcheck disable=SC2086
    resize $size && shot "$1_back" 0.2
}
# How many times the game printed a debug line (grep's options and pattern).
count() { grep -c "$@" "$log"; }
# Waits until the game has printed a debug line n times: the whole line (-x) or a line matching
# a pattern (-E). A command given after the count is run again every `every` seconds meanwhile,
# for a press or a key that the screen may not take yet.
await_count() { # -x|-E line n [every command...]
    local how=$1 line=$2 n=$3 every=${4:-0} until=$((SECONDS + wait_limit)) next=0 what
    shift $(($# < 4 ? $# : 4))
    [ "$how" = -x ] && what="\"$line\"" || what="/$line/"
    while [ "$(count "$how" -- "$line")" -lt "$n" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the game ended while awaiting $what $n time(s)"
        [ "$SECONDS" -lt "$until" ] ||
            fail "never saw $what $n time(s) within ${wait_limit}s${1:+ of: $*}"
        if [ $# -gt 0 ] && [ "$SECONDS" -ge "$next" ]; then
            "$@" && next=$((SECONDS + every))
        fi
        sleep 0.1
    done
}
# Waits until the whole debug line has been printed n times.
await() { await_count -x "$1" "$2"; }
# Waits until a line matching the pattern (-E) has been printed n times.
await_re() { await_count -E "$1" "$2"; }
# A press that the screen may not take yet (a screen still coming in): pressed again every few
# seconds until the line it leads to has been printed n times.
click_until() { await_count -x "$3" "$4" 6 click "$1" "$2"; }
# The board as the game last told it: its terrains with their sentences, and each card with
# its centre, width, status and caption.
board() {
    awk '/^tableau [0-9]+$/ { b = ""; on = 1 } on { b = b $0 "\n" }
         /^fin du tableau$/ { if (on) last = b; on = 0 } END { printf "%s", last }' "$log"
}
# The gallery's room walked to its next page with the arrow key, until the game says where its
# view stands.
gallery_walk() {
    xdo keydown Right || fail "xdotool did not hold Right"
    await_re "^vue [0-9]+$" 1
    xdo keyup Right
}
# A press in the gallery at a canvas offset from the name plate of a photo (its capture name),
# where the game last told the view and the plate stand: "70 19" is on the plate and opens the
# photo's card.
gallery_press() {
    local view px py
    read -r view < <(awk '/^vue [0-9]+$/ { v = $2 } END { print v }' "$log")
    read -r px py < <(awk -v p="$1" '$1 == "plaque" && $2 == p { print $3, $4 }' "$log" | tail -n 1)
    [ -n "$px" ] || fail "no name plate for $1 on the debug output"
    click "$(awk -v x="$px" -v v="$view" -v d="$2" 'BEGIN { printf "%d", x - v + d }')" \
        "$(awk -v y="$py" -v d="$3" 'BEGIN { printf "%d", y + d }')"
}
# A key that the screen may not take yet (input that comes before a screen's first update is
# dropped by the switch): pressed again every few seconds until the line it leads to has been
# printed n times.
key_until() { await_count -x "$2" "$3" 5 key "$1"; }
# Escape to the title (from the hub or a screen that Escape leads to the hub from), and Escape
# on the title quits with code 0. n counts the title's lines, the first one at start included.
quit() {
    local until next=0 code
    [ "$(count -x ecrantitre)" -ge "$1" ] || { sleep 0.3 && key_until Escape ecrantitre "$1"; }
    sleep 0.3
    until=$((SECONDS + wait_limit))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$until" ] || fail "Escape on the title did not quit within ${wait_limit}s"
        [ "$SECONDS" -ge "$next" ] && xdo key Escape && next=$((SECONDS + 5))
        sleep 0.1
    done
    wait "$pid"
    code=$?
    pid=""
    [ "$code" -eq 0 ] || fail "exit code $code"
}
