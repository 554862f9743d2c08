#!/usr/bin/env bash
# The menus with what a parent made by hand before starting the game, in the real program:
# profile folders with long one-word names (127 "é", a string of compound first names), with a
# typographic apostrophe and with "œ", and a profile whose "preferences" is a folder. The
# profiles list and the delete question at 1134 by 680 and 1920 by 1080; a name typed with "œ"
# and "’"; options screen 2's "retour" in the profile that cannot keep its choices, which says
# so before the hub; options screen 1 at both sizes; every other menu screen once; the gallery
# of "l’école", whose photo has a sentence a parent wrote with "’", "œ", "Œ" and "…" on its card.
# Screenshots in the output folder.
#   menus_names_and_saves.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_names_and_saves.log"
accents=$(printf 'é%.0s' $(seq 127))
long="Marie-Ève-Éléonore-Hélène-Gaëlle-Bénédicte-Clémentine-Françoise-Geneviève-Anne-Sophie"
prepare_home() {
    local folder="$home/Documents/MirelvanQuibs"
    mkdir -p "$folder/_defaut" "$folder/$long" "$folder/$accents" "$folder/l’école" \
        "$folder/Cœur" "$folder/Zoé/preferences"
    convert -size 320x192 gradient:skyblue-white BMP3:"$folder/l’école/$photo.bmp" &&
        printf '%s|%s\n' "$photo" "$sentence" >"$folder/l’école/phrases.txt"
}
photo="mirelvanquibs_capture_2024-01-01_101010"
sentence="L’après-midi, Œdipe mange un œuf…"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"
folder="$home/Documents/MirelvanQuibs"

# The rows, as the list sorts them: "_par défaut_", Cœur, l’école, the first names, Zoé, the
# "é"s; their buttons' centres on the canvas.
row_y() { echo $((221 + 49 * $1)); }
effacer=568 utiliser=796 annuler=774 annuler_y=503

await ecrantitre 1 && shot names_title 0.3 && click_until 640 600 ecranintro 1
shot names_hub 0.3
sleep 0.3 && click_until 1240 728 ecranprofils 1
shot names_profiles 0.5
# shellcheck disable=SC2046
resize $(large_size) && shot names_profiles_large 0.3 && resize 1134 680

# The delete question on each long name, then "Annuler": nothing deleted.
sleep 0.3 && click "$effacer" "$(row_y 3)" && await_re "^question : .*Marie-Ève" 1
grep -q "^question : .*…" "$log" || fail "the long name was not cut with …"
shot names_question_long 0.4
click "$annuler" "$annuler_y" && sleep 0.5
click "$effacer" "$(row_y 5)" && await_re "^question : .*éééé" 1
shot names_question_accents 0.4
# shellcheck disable=SC2046
resize $(large_size) && shot names_question_accents_large 0.3 && resize 1134 680
click "$annuler" "$annuler_y" && sleep 0.5
[ -d "$folder/$long" ] && [ -d "$folder/$accents" ] || fail "Annuler deleted a profile"

# A name typed with "œ" and "’": its folder keeps them, its row shows them.
click 275 172 && sleep 0.3
# shellcheck disable=SC2046
key --delay 20 $(printf 'BackSpace %.0s' $(seq 16))
# One character a call: xdotool maps the characters beyond the keyboard's to a spare key, and
# in one call a remap can overtake the key press before it.
for c in L œ t i t i a space d "’" Œ u f; do
    if [ "$c" = space ]; then key space; else xdo type --delay 300 "$c" || fail "xdotool did not type $c"; fi
    sleep 0.5
done
shot names_typed 0.3
click 568 172
until=$((SECONDS + wait_limit))
while [ ! -d "$folder/Lœtitia d’Œuf" ] && [ "$SECONDS" -lt "$until" ]; do sleep 0.1; done
[ -d "$folder/Lœtitia d’Œuf" ] || fail "the typed name did not make its folder ($(ls "$folder"))"
shot names_typed_row 0.4

# Zoé, whose "preferences" is a folder, used from its row (one row lower now).
click "$utiliser" "$(row_y 5)" && await_re "Zoé/ = le profil$" 1 && await ecranintro 2
# Options screen 2: the slider dragged to the list's end, "retour": the
# message says the choices were not kept; "D'accord" leads to the hub.
sleep 0.3 && click_until 640 267 ecranoptions2 1
shot names_options2 0.3
point 1267 120 && xdo mousedown 1 || fail "xdotool did not take the slider"
sleep 0.5 && point 1267 400 && sleep 0.3 && point 1267 767 && sleep 0.5
xdo mouseup 1 || fail "xdotool did not let go of the slider"
sleep 0.3 && click 640 697 && await_re "impossible d'écrire .*Zoé/preferences" 1
shot names_options2_not_kept 0.5
# shellcheck disable=SC2046
resize $(large_size) && shot names_options2_not_kept_large 0.3 && resize 1134 680
[ "$(count -x ecranintro)" -eq 2 ] || fail "options screen 2 left before its message was read"
click_until 641 516 ecranintro 3
[ -d "$folder/Zoé/preferences" ] || fail "the folder named preferences changed"

# Options screen 1 at both sizes, left with Escape.
sleep 0.3 && click_until 640 167 ecranoptions1 1
look names_options1
key_until Escape ecranintro 4

# The game-mode screen and both set-up screens, the gallery of a profile.
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
shot names_mode 0.3
sleep 0.3 && click_until 640 167 ecrannombreitems1 1
shot names_setup1 0.3
key_until Escape ecranchoixdujeu 2
sleep 0.3 && click_until 640 267 ecrannombreitems2 1
shot names_setup2 0.3
key_until Escape ecranchoixdujeu 3
sleep 0.3 && key_until Escape ecranintro 5
sleep 0.3 && click_until 1240 728 ecranprofils 2
sleep 0.3 && click_until 1024 "$(row_y 3)" ecrangalerie 1
shot names_gallery 0.5
# The photo on the second page: the arrow key walks the view there; its name plate opens the card.
await_re "^plaque $photo " 1
gallery_walk
gallery_press "$photo" 70 19
await "carte : $sentence" 1
look names_gallery_card
click 640 740 && sleep 0.3
key_until Escape ecranintro 6
quit 2
echo "PASS: long names, a name typed with the ligatures and the apostrophe, a choice that could not be kept; screenshots in $output"
