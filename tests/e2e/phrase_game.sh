#!/usr/bin/env bash
# A profile's whole life around "fabriquer une phrase", played as a parent and a child play it,
# in the real program: a profile made by typing its name, "ajouter", and used from its row; then
# the game: two bank cards held over each other, "la dame", "regarde", "le monsieur" dragged into
# the frame (a word of it held over the bank and put back), the full stop, the export,
# the sentence acted out with a photo while a folder named "phrases.txt" keeps its line out (the
# box says the photo is saved without its sentence), a photo with its line, and back; "le
# monsieur" taken out and the explanation of why it cannot be acted out; "effacer"; "la dame"
# "lance" "une balle" "à" "le monsieur" read "au monsieur"; "retour". Then the profile's gallery
# shows the photo with its sentence, its back button leads to the profiles screen, and the
# profile is deleted (the question names it; "OK"): its folder goes. Escape to the title quits.
# Each screen is looked at while the window is resized under it. Where the cards, buttons and
# name plates stand and what the frame reads come from the game's debug lines; the export, the
# photo and the profile are read from the game folder. Screenshots in the output folder.
#   phrase_game.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_phrase.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

# shellcheck source=tests/e2e/phrase_common.sh
. "$(dirname "$0")/phrase_common.sh"

# A file or folder of the game folder (a pattern), awaited.
await_file() {
    local until=$((SECONDS + wait_limit))
    while ! compgen -G "$1" >/dev/null; do
        [ "$SECONDS" -lt "$until" ] || fail "no file $1 within ${wait_limit}s"
        sleep 0.1
    done
}
games="$home/Documents/MirelvanQuibs"
profile="Lola"
folder="$games/$profile"
# A file of the game folder, awaited.
await_gone() {
    local until=$((SECONDS + wait_limit))
    while [ -e "$1" ]; do
        [ "$SECONDS" -lt "$until" ] || fail "$1 still there after ${wait_limit}s"
        sleep 0.1
    done
}

# A profile of the child's own: its name typed, "ajouter", then "charger" on its row (the new
# row heads the list).
await ecrantitre 1 && click_until 640 600 ecranintro 1
sleep 0.3 && click_until 1240 728 ecranprofils 1
sleep 0.3 && click 275 172 && sleep 0.3
# shellcheck disable=SC2046
key --delay 20 $(printf 'BackSpace %.0s' $(seq 16))
xdo type --delay 40 "$profile" || fail "xdotool did not type the name"
click 568 172 && await_file "$folder"
look phrase_profile_made
click_until 796 229 "$folder/ = le profil" 1 && await ecranintro 2

sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
sleep 0.3 && click 640 367 && await ecranchoixdephrase 1 && await "fin de la banque" 1
shot phrase_bank 0.3

# A card held over another, caption included, and let go where it came from: bank cards 0 and 1
# over each other, then the frame's second word over bank card 0.
bank_at() { awk -v k="$1" '/^banque / { if (i++ == k) print $2, $3 }' "$log"; }
held_over() { # card "x y", its index, the card under it "x y", picture
    local n
    n=$(($(changes) + 1))
    # shellcheck disable=SC2086
    hold_over $1 "$2" $3 "$4"
    await_changes "$n" "card $2 let go"
}
held_over "$(bank_at 0)" 0 "$(bank_at 1)" phrase_bank_0_over_1
held_over "$(bank_at 1)" 1 "$(bank_at 0)" phrase_bank_1_over_0

# The sentence, its full stop, the export.
add perso_dame_f && add po_regarder && add perso_monsieur_m
expect_reads "La dame regarde le monsieur."
held_over "$(frame_word 1)" 1 "$(bank_at 0)" phrase_frame_word_over_bank
expect_reads "La dame regarde le monsieur."
look phrase_sentence
press exporter && await "phrase exportée : La dame regarde le monsieur." 1
grep -qx "La dame regarde le monsieur. " "$games/mirelvanquibs_phrases.txt" ||
    fail "the export file does not hold the sentence"

# Acted out: the lady looks at the gentleman; a photo, and back to the frame.
press animation && await engine1 1 && await "fin du tableau" 1
board | grep -qx "terrain 0 [0-9-]* [0-9-]* : La dame regarde le monsieur." ||
    fail "the terrain does not act the sentence"
look phrase_acted
# A folder in the way of the list: the picture is saved, its line is not, and the box says so.
mkdir "$folder/phrases.txt"
press photo terrain_button && await_file "$folder/*.bmp"
await_re "impossible d'écrire dans .*/phrases\.txt$" 1
look phrase_photo_without_sentence
# "OK" closes the box; a press of the photo button while the box still shows is the box's, so
# the press is made again until the second picture is there.
rmdir "$folder/phrases.txt"
click 640 504
until=$((SECONDS + wait_limit)) next=0
while [ "$(compgen -G "$folder/*.bmp" | wc -l)" -lt 2 ]; do
    [ "$SECONDS" -lt "$until" ] || fail "no second picture within ${wait_limit}s"
    [ "$SECONDS" -ge "$next" ] && press photo terrain_button && next=$((SECONDS + 10))
    sleep 0.1
done
await_file "$folder/phrases.txt"
[ "$(compgen -G "$folder/*.bmp" | wc -l)" -eq 2 ] || fail "not two pictures after two photos"
photo="$(sed -n 's/|La dame regarde le monsieur\.$//p' "$folder/phrases.txt")"
[ "$(printf '%s\n' "$photo" | wc -l)" -eq 1 ] && [ -f "$folder/$photo.bmp" ] ||
    fail "the photo's line does not hold the sentence"
press retour terrain_button && await ecranchoixdephrase 2
shot phrase_back 0.5

# "le monsieur" taken out: the sentence cannot be acted out, and the box says why.
n=$(($(changes) + 1))
# shellcheck disable=SC2046
drag $(frame_word 2) 640 450 && await_changes "$n" "the frame to lose le monsieur"
expect_reads "La dame regarde"
press animation
until=$((SECONDS + wait_limit))
until grep -q '^explication : .' "$log"; do
    [ "$SECONDS" -lt "$until" ] || fail "no explanation for \"La dame regarde\""
    sleep 0.1
done
look phrase_explained
press ok && sleep 0.5

# "effacer", and "à" before "le monsieur".
n=$(($(changes) + 1))
press effacer && await_changes "$n" "the frame emptied"
expect_reads ""
add perso_dame_f && add oum_lancer && add unemain_balle_f && add à && add perso_monsieur_m
expect_reads "La dame lance une balle au monsieur."
shot phrase_au_monsieur 0.5

press retour && await ecranchoixdujeu 2
sleep 0.3 && key_until Escape ecranintro 3

# The profile's gallery: the photo hangs on the second page of the room; the arrow key walks the
# view there, and its name plate shows the sentence.
sleep 0.3 && click_until 1240 728 ecranprofils 2
sleep 0.3 && click 1024 229 && await ecrangalerie 1
await_re "^plaque $photo " 1
look phrase_gallery
gallery_walk
gallery_press "$photo" 70 19
await "carte : La dame regarde le monsieur." 1
look phrase_gallery_card
# A press closes the card; the gallery's own back button leads to the profiles screen.
click 640 740 && sleep 0.3
click_until 1248 42 ecranprofils 3

# The profile deleted: the question names it, "OK", and its folder goes with its photo.
sleep 0.3 && click 568 229 && await_re "^question : .*«.$profile.».*" 1
look phrase_question
click 505 504 && await_gone "$folder"
[ -d "$games/_defaut" ] || fail "the default profile went too"
shot phrase_profile_deleted 0.5
sleep 0.3 && key_until Escape ecranintro 4
quit 2
echo "PASS: a profile made and used, the sentence built, exported, acted out with a photo," \
    "explained, cleared and read \"au monsieur\"; the photo in the gallery with its sentence," \
    "the profile deleted; screenshots in $output"
