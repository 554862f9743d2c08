#!/usr/bin/env bash
# The first menus as a parent plays them, in the real program: the title's opening, the hub, the
# constructions screen with three choices changed, "retour" (the default profile keeps no file),
# at the start size and in a larger window, then the same in a profile of its own, whose folder
# gets the preferences file; screenshots of each screen in the output folder.
#   menus_walkthrough.sh <mirelvanquibs> <output folder>
set -u
game="$1" output="$2" log="$2/e2e_menus.log" home="$(mktemp -d)"
[ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null && command -v import >/dev/null ||
    { echo "SKIP: no display, xdotool or import"; exit 77; }
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

# Presses a point of the 1280 by 768 canvas, scaled uniformly and centred in the window.
click() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # shellcheck disable=SC2046
    xdotool mousemove --window "$window" $(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" \
        'BEGIN { s = h / w >= 0.6 ? w / 1280 : h / 768
                 printf "%d %d", w / 2 + (x - 640) * s, h / 2 + (y - 384) * s }') mousedown 1
    sleep 0.1 && xdotool mouseup 1
}
shot() { sleep "$2" && import -window "$window" "$output/e2e_$1.png" || fail "screenshot $1"; }
# Waits until the debug line has been printed n times.
await() {
    for _ in $(seq 50); do
        [ "$(grep -cx -- "$1" "$log")" -ge "$2" ] && return 0 || sleep 0.1
    done
    fail "never saw \"$1\" $2 time(s)"
}
# Title, hub, constructions screen (adjectifs, the first passive box, que), back, title. Input
# that comes before the title's first update is dropped by the switch, hence the last pause.
round() {
    shot "title_$1_done" 2.2
    click 640 600 && await ecranintro $((2 * $2 - 1)) && shot "hub_$1" 0.5
    click 640 167 && await ecranoptions1 "$2"
    for point in "162 167" "699 342" "162 392"; do sleep 0.3 && click $point; done
    shot "options1_$1" 0.5
    click 640 568 && await ecranintro $((2 * $2)) && await " ya un répertoire defaut" "$2"
    sleep 0.3 && xdotool key Escape && await ecrantitre $(($2 + 1)) && sleep 0.3
}

xdotool windowfocus --sync "$window" 2>/dev/null
shot title_opening 0.5 && shot title_letters 0.6 && round small 1
[ "$(grep -c "^iGuiButton3Choix state" "$log")" -gt 20 ] || fail "the buttons did not change"
[ -e "$home/Documents/MirelvanQuibs/_defaut/preferences" ] && fail "the default profile was saved"
# 1920 by 1080 when the screen holds it, else a tall window (bars above and below the canvas).
eval "$(xdotool getdisplaygeometry --shell)"
if [ "$WIDTH" -ge 1920 ] && [ "$HEIGHT" -ge 1080 ]; then size="1920 1080" tag=large; else size="1260 1000" tag=tall; fi
# shellcheck disable=SC2086
xdotool windowsize "$window" $size && round "$tag" 2

# A profile of its own ("utiliser" beside the name field makes it current), then the same three
# choices: "retour" keeps them in that profile's folder, 71 numbers of 4 bytes.
click 640 600 && await ecranintro 5 && sleep 0.3
click 1240 728 && await ecranprofils 1 && sleep 0.3
click 796 172 && await ecranintro 6 && sleep 0.3
click 640 167 && await ecranoptions1 3
for point in "162 167" "699 342" "162 392"; do sleep 0.3 && click $point; done
click 640 568 && await ecranintro 7 && await "on vient d'écrire Prefs1" 1
saved="$(find "$home/Documents/MirelvanQuibs" -mindepth 2 -name preferences -not -path '*/_defaut/*')"
[ -n "$saved" ] && [ "$(stat -c %s "$saved")" -eq 284 ] || fail "no preferences in a profile folder"
echo "preferences written in ${saved#"$home"/}"
sleep 0.3 && xdotool key Escape && await ecrantitre 4 && sleep 0.3

xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "Escape on the title did not quit"
wait "$pid" || fail "exit code $?"
grep -qi "error\|erreur" "$log" && fail "an error was reported"
echo "PASS: title, hub and constructions screen at two sizes, kept in a profile; screenshots in $output"
