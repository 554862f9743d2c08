#!/usr/bin/env bash
# The menus as a parent plays them, in the real program: the title's opening, the hub, options
# screen 1 with three choices changed and "retour" (the default profile keeps no file), options
# screen 2 and Escape; the same round again in a 1920 by 1080 window; then a profile of its own
# ("utiliser" beside the name field), whose folder gets the preferences file from options
# screen 1's "retour" and again, with a box unticked, from options screen 2's "retour" at the end
# of its list. Escape to the title quits. The title, the hub and both options screens are looked
# at while the window is resized under them. Screenshots in the output folder.
#   menus_walkthrough.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_menus.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

# The three choices of options screen 1: adjectifs, the first passive box, que.
choose() {
    # shellcheck disable=SC2086
    for point in "162 167" "699 342" "162 392"; do sleep 0.3 && click $point; done
}
# Title, hub, options screen 1 (three choices), "retour", options screen 2, Escape, and Escape to
# the title; n counts the rounds. The first round looks at each screen.
round() {
    local n=$2
    click_until 640 600 ecranintro $((3 * n - 2))
    [ "$n" -eq 1 ] && look menus_hub || shot "menus_hub_played_$1" 0.5
    sleep 0.3 && click_until 640 167 ecranoptions1 "$n"
    choose
    [ "$n" -eq 1 ] && look menus_options1 || shot "menus_options1_played_$1" 0.5
    click_until 640 568 ecranintro $((3 * n - 1)) && await " ya un répertoire defaut" "$n"
    sleep 0.3 && click_until 640 267 ecranoptions2 "$n"
    [ "$n" -eq 1 ] && look menus_options2 || shot "menus_options2_played_$1" 0.5
    sleep 0.3 && key_until Escape ecranintro $((3 * n))
    sleep 0.3 && key_until Escape ecrantitre $((n + 1))
}

shot menus_title_opening 0.5 && shot menus_title_letters 0.6
await ecrantitre 1 && look menus_title
round small 1
[ "$(count "^iGuiButton3Choix state")" -gt 20 ] || fail "the buttons did not change"
[ -e "$home/Documents/MirelvanQuibs/_defaut/preferences" ] && fail "the default profile was saved"
# shellcheck disable=SC2046
resize $(large_size) && shot menus_title_large_again 1 && round large 2
resize 1134 680

# A profile of its own: "utiliser" beside the name field makes the profile, which then becomes
# current from its row (it heads the list).
click_until 640 600 ecranintro 7
sleep 0.3 && click_until 1240 728 ecranprofils 1
sleep 0.3 && click 796 172 && await ecranintro 8
profile="$(find "$home/Documents/MirelvanQuibs" -mindepth 1 -maxdepth 1 -type d ! -name _defaut)"
[ -d "$profile" ] || fail "\"utiliser\" made no profile folder"
used=$(($(count -x -- "$profile/ = le profil") + 1))
sleep 0.3 && click_until 1240 728 ecranprofils 2
sleep 0.3 && click_until 796 229 "$profile/ = le profil" "$used"
await ecranintro 9
# Options screen 1: "retour" keeps the three choices in that profile's folder, 71 numbers of 4
# bytes.
sleep 0.3 && click_until 640 167 ecranoptions1 3
choose
click_until 640 568 ecranintro 10 && await "on vient d'écrire Prefs1" 1
saved="$(find "$home/Documents/MirelvanQuibs" -mindepth 2 -name preferences -not -path '*/_defaut/*')"
[ -n "$saved" ] && [ "$(stat -c %s "$saved")" -eq 284 ] || fail "no preferences in a profile folder"
echo "preferences written in ${saved#"$home"/}"
before="$(od -An -tx1 "$saved")"
# Options screen 2: "dame" unticked, the list's slider dragged to its end (the wheel moves the
# list one step a frame, as far as a slow machine's frames let it), "retour" there keeps it.
sleep 0.3 && click_until 640 267 ecranoptions2 3
sleep 0.5 && click 93 186 && sleep 0.3
point 1267 120 && xdo mousedown 1 || fail "xdotool did not take the slider"
sleep 0.5 && point 1267 400 && sleep 0.3 && point 1267 767 && sleep 0.5
xdo mouseup 1 || fail "xdotool did not let go of the slider"
shot menus_options2_end 0.5
click_until 640 697 ecranintro 11
[ "$(stat -c %s "$saved")" -eq 284 ] && [ "$(od -An -tx1 "$saved")" != "$before" ] ||
    fail "options screen 2's retour did not keep the choice"
quit 4
grep -qi "error\|erreur" "$log" && fail "an error was reported"
echo "PASS: title, hub, both options screens at two sizes, kept in a profile; screenshots in $output"
