#!/usr/bin/env bash
# "associer des phrases et des images" played as a child plays it, in the real program: two
# rounds of three sentences and two animations; a terrain enlarged and back; on the first board
# the surplus card first let go on a terrain (it takes that place) and then below the throw-away
# band (it goes to the bin), on the second board thrown away first, over a terrain; the others
# dropped on the terrains that act them, OK, "Suite", the end screen, back to the hub, and
# Escape to the title quits. Before answering, two cards are held over each other. The game-mode
# and set-up screens, the board, the enlarged terrain, the praise and the end screen are each
# looked at while the window is resized under them. What the child reads (the cards and the
# terrains' sentences) comes from the game's debug lines. Screenshots in the output folder.
#   matching_game.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_matching.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

# The next move of a child who knows the answer: the card no terrain acts to the bin (let go at
# `bin`, below the band), else a card off the terrain that acts its sentence onto that terrain;
# nothing when all is in place.
next_move() {
    board | awk -F' : ' -v bin="$1" '
        /^terrain / { split($1, a, " "); left[a[2]] = a[3]; top[a[2]] = a[4]; acts[$2] = a[2] }
        /^etiquette / { split($1, a, " "); if (a[6] != 1) next
            if (!($2 in acts)) { if (out == "") out = a[3] " " a[4] " " bin; next }
            t = acts[$2]
            if (move == "" && !(a[3] > left[t] && a[3] < left[t] + 640 && a[4] > top[t] &&
                                a[4] < top[t] + 384))
                move = a[3] " " a[4] " " left[t] + 320 " " top[t] + 252 }
        END { print out != "" ? out : move }'
}
# A card dragged, and the places as the game tells them afterwards.
move_card() {
    local n
    n=$(($(count -x "fin du tableau") + 1))
    # shellcheck disable=SC2086
    drag $1 && await "fin du tableau" "$n" && sleep 0.6
}
play_board() {
    for _ in $(seq 8); do
        move="$(next_move "$2")"
        [ -z "$move" ] && break
        move_card "$move"
    done
    [ -z "$(next_move "$2")" ] || fail "cards still out of place on board $1"
    shot "matching_board$1_answered" 0.2
    click_until 708 714 "bravo : .*" "$1"
    grep -q "^etiquette [0-9] fausse$" "$log" && fail "a card was judged wrong on board $1"
    if [ "$1" -eq 1 ]; then look matching_praise; else shot matching_board2_praise 0.3; fi
    click_until 640 504 "$3" "$4"
}

# Set-up: 2 rounds, 3 sentences, 2 animations (each counter down to its least, then up).
await ecrantitre 1 && click_until 640 600 ecranintro 1
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
look matching_mode
click_until 640 167 "entrée nombre items 1" 1
for _ in $(seq 10); do click 800 240 && sleep 0.12; done
click 800 120 && sleep 0.12
for _ in $(seq 4); do click 800 430 && sleep 0.12 && click 800 620 && sleep 0.12; done
click 800 310 && sleep 0.12 && click 800 310 && sleep 0.12 && click 800 500 && sleep 0.3
look matching_setup
click_until 640 712 engine1 1 && await "fin du tableau" 1
look matching_board1
[ "$(board | grep -c '^terrain ')" -eq 2 ] && [ "$(board | grep -c '^etiquette ')" -eq 3 ] ||
    fail "the board is not 2 terrains and 3 cards"

# A terrain enlarged by taps (a paused one first starts playing), and back to the grid: each
# tap waits for what the game says it did.
read -r left top < <(board | awk '/^terrain 0 / { print $3, $4 }')
tap_terrain() {
    local n
    n=$(($(count -E -x "terrain 0 joue|terrain agrandi 0|retour à la grille") + 1))
    click $((left + 320)) $((top + 330))
    await_any "terrain 0 joue|terrain agrandi 0|retour à la grille" "$n"
}
await_any() {
    local until=$((SECONDS + wait_limit))
    while [ "$(count -E -x "$1")" -lt "$2" ]; do
        [ "$SECONDS" -lt "$until" ] || fail "never saw \"$1\" $2 time(s) after a tap"
        sleep 0.1
    done
}
tap_terrain
[ "$(count -x "terrain agrandi 0")" -ge 1 ] || tap_terrain
[ "$(count -x "terrain agrandi 0")" -eq 1 ] || fail "a tap did not enlarge terrain 0"
look matching_enlarged
tap_terrain
await "retour à la grille" 1

# Card 0 held over card 1 and card 1 over card 0: each is drawn over the other, caption
# included, and let go where it was, it stays on its place.
held_over() {
    local kx ky jx jy n
    read -r kx ky < <(card "$1")
    read -r jx jy < <(card "$2")
    n=$(($(count -x "fin du tableau") + 1))
    hold_over "$kx" "$ky" "$1" "$jx" "$jy" "matching_card_$1_over_$2"
    await "fin du tableau" "$n"
    [ "$(card "$1")" = "$kx $ky" ] || fail "card $1 did not go back to its place"
}
held_over 0 1
held_over 1 0

# The surplus card let go on terrain 0: it takes that terrain's place and stays in play.
surplus="$(board | awk -F' : ' '/^terrain / { acts[$2] = 1 }
    /^etiquette / { split($1, a, " "); if (!($2 in acts)) print a[2], a[3], a[4] }')"
read -r card cx cy <<<"$surplus"
[ -n "$cy" ] || fail "no surplus card on board 1"
move_card "$cx $cy $((left + 320)) $((top + 252))"
board | awk -v c="$card" -v l="$left" -v t="$top" '
    $1 == "etiquette" && $2 == c && $6 == 1 && $3 > l && $3 < l + 640 && $4 > t && $4 < t + 384 {
        found = 1 }
    END { exit !found }' || fail "the surplus card let go on terrain 0 did not take its place"
shot matching_surplus_on_terrain 0.2

play_board 1 "300 700" "tableau suivant" 1 && await "tableau 2" 1 && await "fin du tableau" 2
# Thrown away first this time, let go over terrain 1 below the band.
read -r left1 _ < <(board | awk '/^terrain 1 / { print $3, $4 }')
play_board 2 "$((left1 + 320)) 700" ecranfin 1
look matching_end
click_until 640 384 ecranintro 2
shot matching_hub_again 0.3
quit 2
echo "PASS: two boards matched, the surplus card on a terrain and in the bin, the end screen," \
    "back to the hub; screenshots in $output"
