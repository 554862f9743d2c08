#!/usr/bin/env bash
# "fabriquer une phrase" played as a child plays it, in the real program: "la dame", "regarde",
# "le monsieur" dragged into the frame, the full stop, the export, the sentence acted out with a
# photo and back; "le monsieur" taken out and the explanation of why it cannot be acted out;
# "effacer"; "la dame" "lance" "une balle" "à" "le monsieur" read "au monsieur"; "retour". Where
# the cards and buttons stand and what the frame reads come from the game's debug lines; the
# export and the photo are read from the profile's folder. Screenshots in the output folder.
#   phrase_game.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_phrase.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

# "x y" of a bank card (by its word code), of a button of the scene or of the main game's
# terrain 0, of a word of the frame (by its rank), as the game last told them.
bank_card() {
    awk -v code="$1" '/^banque / { c = $0; sub(/^banque [0-9-]+ [0-9-]+ /, "", c)
                                   sub(/ : .*$/, "", c); if (c == code) p = $2 " " $3 }
                      END { print p }' "$log"
}
button() { awk -v b="$1" '$1 == "bouton" && $2 == b && NF == 4 { p = $3 " " $4 } END { print p }' "$log"; }
terrain_button() {
    awk -v b="$1" '$1 == "bouton" && $2 == b && $3 == 0 && NF == 5 { p = $4 " " $5 } END { print p }' "$log"
}
frame_word() { awk -v i="$1" '$1 == "cadre" && $2 == i { p = $3 " " $4 } END { print p }' "$log"; }
reads() { grep '^le cadre lit : ' "$log" | tail -n 1 | sed 's/^le cadre lit : //'; }
changes() { count '^le cadre lit : '; }
# A card dragged from the bank and let go right of the frame's words, low enough to follow a
# second row; the frame then reads its new sentence.
add() {
    local at n
    at="$(bank_card "$1")"
    [ -n "$at" ] || fail "no card $1 in the bank"
    n=$(($(changes) + 1))
    # shellcheck disable=SC2086
    drag $at 1200 140
    await_changes "$n" "the frame to take $1"
}
await_changes() {
    local until=$((SECONDS + wait_limit))
    while [ "$(changes)" -lt "$1" ]; do
        [ "$SECONDS" -lt "$until" ] || fail "never saw $2"
        sleep 0.1
    done
}
expect_reads() { [ "$(reads)" = "$1" ] || fail "the frame reads \"$(reads)\", not \"$1\""; }
press() {
    local at
    at="$(${2:-button} "$1")"
    [ -n "$at" ] || fail "no button $1 on the debug output"
    # shellcheck disable=SC2086
    click $at
}
# A file of the profile's folder, awaited.
await_file() {
    local until=$((SECONDS + wait_limit))
    while ! compgen -G "$1" >/dev/null; do
        [ "$SECONDS" -lt "$until" ] || fail "no file $1 within ${wait_limit}s"
        sleep 0.1
    done
}
folder="$home/Documents/MirelvanQuibs"

to_setup 1 367 && await ecranchoixdephrase 1 && await "fin de la banque" 1
shot phrase_bank 0.3

# The sentence, its full stop, the export.
add perso_dame_f && add po_regarder && add perso_monsieur_m
expect_reads "La dame regarde le monsieur."
shot phrase_sentence 0.5
press exporter && await "phrase exportée : La dame regarde le monsieur." 1
grep -qx "La dame regarde le monsieur. " "$folder/mirelvanquibs_phrases.txt" ||
    fail "the export file does not hold the sentence"

# Acted out: the lady looks at the gentleman; a photo, and back to the frame.
press animation && await engine1 1 && await "fin du tableau" 1
board | grep -qx "terrain 0 [0-9-]* [0-9-]* : La dame regarde le monsieur." ||
    fail "the terrain does not act the sentence"
shot phrase_acted 1.5
press photo terrain_button && await_file "$folder/_defaut/*.bmp"
await_file "$folder/_defaut/phrases.txt"
grep -q "La dame regarde le monsieur." "$folder/_defaut/phrases.txt" ||
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
shot phrase_explained 0.5
press ok && sleep 0.5

# "effacer", and "à" before "le monsieur".
n=$(($(changes) + 1))
press effacer && await_changes "$n" "the frame emptied"
expect_reads ""
add perso_dame_f && add oum_lancer && add unemain_balle_f && add à && add perso_monsieur_m
expect_reads "La dame lance une balle au monsieur."
shot phrase_au_monsieur 0.5

press retour && await ecranchoixdujeu 2
# The game-mode screen says nothing when it is left: Escape, a moment, and Escape again.
key Escape && sleep 1
quit 2
echo "PASS: the sentence built, exported, acted out with a photo, explained, cleared and read" \
    "\"au monsieur\"; screenshots in $output"
