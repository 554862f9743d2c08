#!/usr/bin/env bash
# The word cards of "remettre les mots dans l'ordre" in a child's hands, in the real program.
# Board after board is dealt through the terrain's next-board button, and OK is pressed on each
# deal as it comes: no deal may be praised. Then, on a board of three words or more, each of the
# first cards is carried over its neighbour both ways and held there, let go on it and pressed
# again where both lie; one card is let go between two cards that it overlaps and pressed again;
# at 1134 by 680 and at the large size. Every press must take the card the child sees on top
# (the game tells which card a press took). Screenshots in the output folder.
#   word_order_cards.sh <mirelvanquibs> <output folder> [boards]
game="$1" output="$2" log="$2/e2e_word_order_cards.log"
boards="${3:-20}"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

cards() { board | grep -c '^etiquette '; }
# The held card let go; the game tells the board again once the release is in, so that the
# next press is never taken for the same hold on a slow machine.
let_go() {
    local n
    n=$(($(count -x "fin du tableau") + 1))
    xdo mouseup 1 || fail "xdotool did not release"
    await "fin du tableau" "$n"
}
# Card k carried over card j both from and back to where it lies: held there for a picture,
# let go, pressed again where both lie (it must come), and taken back.
over() {
    local kx ky jx jy
    read -r kx ky < <(card "$1")
    read -r jx jy < <(card "$2")
    take "$kx" "$ky" "$1"
    carry "$kx" "$ky" $((jx + 14)) $((jy + 6)) hold
    [ -n "${3:-}" ] && shot "$3" 0.2
    let_go
    take $((jx + 14)) $((jy + 6)) "$1"
    carry $((jx + 14)) $((jy + 6)) "$kx" "$ky" hold
    let_go
}

await ecrantitre 1 && click_until 640 600 ecranintro 1
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
sleep 0.3 && click_until 640 267 "entrée nombre items 2" 1
click_until 640 710 engine1 1 && await "fin du tableau" 1
# The next board through the terrain's next-board button, its box's OK.
next_board() {
    local fx fy n blocks
    read -r fx fy < <(board | awk '$1 == "bouton" && $2 == "avance" && $3 == 0 { print $4, $5 }')
    [ -n "$fx" ] || fail "no next-board button on the debug output"
    n=$(($(count -x "tableau suivant") + 1))
    blocks=$(($(count -x "fin du tableau") + 1))
    click "$fx" "$fy" && sleep 0.4
    click_until 505 504 "tableau suivant" "$n" && await "fin du tableau" "$blocks"
}

# Boards dealt one after the other; OK pressed on each deal is never praised.
declare -A lengths=()
for b in $(seq "$boards"); do
    lengths[$(cards)]=$((${lengths[$(cards)]:-0} + 1))
    n=$(($(count -E "^phrase lue : ") + 1))
    click 640 714 && await_re "^phrase lue : " "$n"
    [ "$b" -le 3 ] && shot "word_order_cards_deal_$b" 0.2
    next_board
done
grep -q "^bravo : " "$log" && fail "a deal was praised: $(grep -m1 -B1 '^bravo : ' "$log" | head -n 1)"

# A board of three words or more for the cards in hand.
for _ in $(seq 10); do [ "$(cards)" -ge 3 ] && break; next_board; done
[ "$(cards)" -ge 3 ] || fail "no board of three words in ten"
shot word_order_cards_dealt 0.2

# Neighbours both ways, at the start size then at the large size.
over 0 1 word_order_cards_0_over_1
over 1 0 word_order_cards_1_over_0
over 1 2
over 2 1 word_order_cards_2_over_1
# Card 0 let go halfway between cards 1 and 2, over both.
read -r ax ay < <(card 1)
read -r bx by < <(card 2)
read -r zx zy < <(card 0)
mx=$(((ax + bx) / 2)) my=$(((ay + by) / 2 + 10))
take "$zx" "$zy" 0
carry "$zx" "$zy" "$mx" "$my" hold
let_go
shot word_order_cards_0_between_1_and_2 0.2
take "$mx" "$my" 0
carry "$mx" "$my" "$zx" "$zy" hold
let_go
# shellcheck disable=SC2046
resize $(large_size)
over 2 0 word_order_cards_2_over_0_large
over 0 2 word_order_cards_0_over_2_large
resize 1134 680

summary=""
for w in "${!lengths[@]}"; do summary="$summary ${lengths[$w]} of $w words;"; done
echo "PASS: $boards deals, none praised:$summary cards in hand on top, a press takes the card in sight; screenshots in $output"
