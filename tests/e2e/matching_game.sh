#!/usr/bin/env bash
# "associer des phrases et des images" played as a child plays it, in the real program: two
# rounds of three sentences and two animations; a terrain enlarged and back, the surplus card
# thrown in the bin, the others dropped on the terrains that act them, OK, "Suite", the second
# board, the end screen and back to the hub. What the child reads (the cards and the terrains'
# sentences) comes from the game's debug lines. Screenshots in the output folder.
#   matching_game.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_matching.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

# The next move of a child who knows the answer: the card no terrain acts to the bin, else a
# card off the terrain that acts its sentence onto that terrain; nothing when all is in place.
next_move() {
    board | awk -F' : ' '
        /^terrain / { split($1, a, " "); left[a[2]] = a[3]; top[a[2]] = a[4]; acts[$2] = a[2] }
        /^etiquette / { split($1, a, " "); if (a[6] != 1) next
            if (!($2 in acts)) { if (bin == "") bin = a[3] " " a[4] " 300 700"; next }
            t = acts[$2]
            if (move == "" && !(a[3] > left[t] && a[3] < left[t] + 640 && a[4] > top[t] &&
                                a[4] < top[t] + 384))
                move = a[3] " " a[4] " " left[t] + 320 " " top[t] + 252 }
        END { print bin != "" ? bin : move }'
}
play_board() {
    for _ in $(seq 8); do
        move="$(next_move)"
        [ -z "$move" ] && break
        # shellcheck disable=SC2086
        drag $move && sleep 0.6
    done
    [ -z "$(next_move)" ] || fail "cards still out of place on board $1"
    shot "matching_board$1_answered" 0.2
    click 708 714 && sleep 0.5
    grep -q "^etiquette [0-9] fausse$" "$log" && fail "a card was judged wrong on board $1"
    shot "matching_board$1_praise" 0.3
    click 640 504
}

# Set-up: 2 rounds, 3 sentences, 2 animations (each counter down to its least, then up).
to_setup 1 167 && await "entrée nombre items 1" 1
for _ in $(seq 10); do click 800 240 && sleep 0.12; done
click 800 120 && sleep 0.12
for _ in $(seq 4); do click 800 430 && sleep 0.12 && click 800 620 && sleep 0.12; done
click 800 310 && sleep 0.12 && click 800 310 && sleep 0.12 && click 800 500 && sleep 0.3
shot matching_setup 0.2
click 640 712 && await "fin du tableau" 1
shot matching_board1 0.2
[ "$(board | grep -c '^terrain ')" -eq 2 ] && [ "$(board | grep -c '^etiquette ')" -eq 3 ] ||
    fail "the board is not 2 terrains and 3 cards"

# A terrain enlarged by taps (a paused one first starts playing), and back to the grid.
read -r left top < <(board | awk '/^terrain 0 / { print $3, $4 }')
for _ in 1 2 3; do
    click $((left + 320)) $((top + 330)) && sleep 0.4
    [ "$(count '^terrain agrandi')" -ge 1 ] && break
done
[ "$(count '^terrain agrandi')" -ge 1 ] || fail "no terrain was enlarged"
shot matching_enlarged 0.3
click $((left + 320)) $((top + 330)) && sleep 0.4
await "retour à la grille" 1

play_board 1 && await "tableau 2" 1 && await "fin du tableau" 2
play_board 2 && await ecranfin 1
shot matching_end 1.5
click 640 384 && sleep 0.5 && click 640 367 && await ecranchoixdujeu 2
shot matching_hub_again 0.3
xdotool key Escape && sleep 0.5 && quit 2
echo "PASS: two boards matched, the end screen, back to the hub; screenshots in $output"
