#!/usr/bin/env bash
# What the plays of "fabriquer une phrase" share: where its cards, buttons and frame words
# stand and what the frame reads, as the game's debug lines tell them; a card dragged into the
# frame; a button pressed. Sourced after e2e_common.sh.

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
