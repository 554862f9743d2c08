#!/usr/bin/env bash
# "remettre les mots dans l'ordre" played as a child plays it, in the real program, twice: one
# round with the words put back in order in one row (in a tall window), then one round at the
# start size, 1134 by 680, with the answer laid out in two rows. OK, the praise, "Suite", the end
# screen, the hub, and Escape to the title quits. The set-up screen, the words, the praise and
# the end screen are looked at while the window is resized under them. The words and the
# sentence the terrain acts come from the game's debug lines.
#   word_order_game.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_word_order.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"

# The moves that put the words in the order of the sentence: "x y tx ty" per word, one row at
# y 450 or, with `rows` 2, the first half at y 430 and the rest at y 560 from just right of the
# first word.
moves() {
    board | awk -F' : ' -v rows="$1" '
        function solve(pos,   k, n) {
            if (depth == nw) return pos > length(target)
            for (k = 1; k <= nw; k++) {
                n = length(word[k])
                if (!used[k] && substr(target, pos, n) == word[k]) {
                    used[k] = 1; order[++depth] = k
                    if (solve(pos + n)) return 1
                    depth--; used[k] = 0
                }
            }
            return 0
        }
        /^terrain 0 / { target = $2; gsub(/ /, "", target); sub(/\.$/, "", target) }
        /^etiquette / { split($1, a, " "); nw++; x[nw] = a[3]; y[nw] = a[4]; w[nw] = a[5]
                        word[nw] = $2; gsub(/ /, "", word[nw]) }
        END {
            if (!solve(1)) exit 1
            half = rows == 2 ? int((nw + 1) / 2) : nw
            left = 40; row = rows == 2 ? 430 : 450
            for (i = 1; i <= nw; i++) {
                k = order[i]
                if (i == half + 1) { left = first + 1 - w[k] / 2; row = 560 }
                cx = int(left + w[k] / 2); if (i == 1) first = cx
                print x[k], y[k], cx, row
                # Overlapping cards keep their order: the step shrinks for long sentences.
                step = w[k] + 6; room = (1240 - 40) / (rows == 2 ? half : nw)
                left += step < room ? step : room
            }
        }'
}
# Starts the game (commencer) and plays it once its words are in place; the screens of the
# game given as the fourth argument ("words", "praise", "end") are looked at.
play() {
    local blocks
    blocks=$(($(count -x "fin du tableau") + 1))
    click_until 640 710 engine1 "$1" && await "fin du tableau" "$blocks"
    seen "$4" words "word_order_$2_words" 0.2
    local all
    all="$(moves "$3")" || fail "no order of the words spells the sentence"
    while read -r fx fy tx ty; do drag "$fx" "$fy" "$tx" "$ty"; done <<<"$all"
    shot "word_order_$2_answered" 0.3
    click_until 640 714 "bravo : .*" "$1"
    seen "$4" praise "word_order_$2_praise" 0.2
    click_until 640 504 ecranfin "$1"
    seen "$4" end "word_order_$2_end" 1.0
    click_until 640 384 ecranintro "$(($1 + 2))"
}
# A look at the screen when the list names it, else a screenshot.
seen() {
    case " $1 " in
    *" $2 "*) look "$3" ;;
    *) shot "$3" "$4" ;;
    esac
}

# A tall window first: bars above and below the canvas. Longer sentences: the agent always has
# a clause of its own ("qui ..."), colours wherever possible, "que" clauses now and then.
xdo windowsize "$window" 1260 1000 || fail "the window was not resized"
await ecrantitre 1 && sleep 1 && click_until 640 600 ecranintro 1
sleep 0.3 && click_until 640 167 ecranoptions1 1
for point in "160 77" "160 77" "162 167" "162 392"; do sleep 0.3 && click $point; done
sleep 0.3 && click_until 640 568 ecranintro 2
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
sleep 0.3 && click_until 640 267 "entrée nombre items 2" 1
for _ in $(seq 10); do click 800 449 && sleep 0.12; done
look word_order_setup
play 1 one_row 1 words
# Back at the start size, a second game, the answer in two rows.
xdo windowsize "$window" 1134 680 || fail "the window was not resized"
sleep 0.3 && click_until 640 367 ecranchoixdujeu 2
sleep 0.3 && click_until 640 267 "entrée nombre items 2" 2 && sleep 0.3
play 2 two_rows 2 "praise end"
grep -q "^phrase lue" "$log" || fail "no answer was read"
quit 2
echo "PASS: two word-order games, one row and two rows; screenshots in $output"
