#!/usr/bin/env bash
# Resident size and frame pacing of the real program, played through its menus under a virtual
# display: at the title, after the first board of each game, after each of ten boards of the
# matching and word-order games (the right arrow deals a new board), after each of ten sentences
# built and acted out in the build-a-sentence game; and the frames presented per second over 20 s at the title and on a board, with 60
# updates a second. Frames are counted by a small library loaded before GLFW (swap_counter.c).
#   memory_figures.sh <mirelvanquibs> [output folder]
# Run it under xvfb-run -a -s "-screen 0 1280x1024x24" when there is no display.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
game="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
output="${2:-$(mktemp -d)}" log="$output/memory_figures.log"
mkdir -p "$output"
command -v cc >/dev/null || { echo "SKIP: no C compiler for the frame counter"; exit 77; }
counter="$output/swaps.count"
rm -f "$counter"
cc -O2 -shared -fPIC -o "$output/swap_counter.so" "$here/swap_counter.c" -ldl ||
    { echo "FAIL: the frame counter does not build"; exit 1; }
export MQ_SWAP_COUNT_FILE="$counter" LD_PRELOAD="$output/swap_counter.so"
# shellcheck source=tests/e2e/e2e_common.sh
. "$here/../tests/e2e/e2e_common.sh"
# shellcheck source=tests/e2e/phrase_common.sh
. "$here/../tests/e2e/phrase_common.sh"
unset LD_PRELOAD

rss() { awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"; }
frames() { [ -s "$counter" ] && od -An -tu8 -N8 "$counter" | tr -d ' ' || echo 0; }
# Milliseconds from the start to the first three frames presented.
first_frames() { od -An -tu8 -w24 -j8 -N24 "$counter" | awk '{ printf "%.0f %.0f %.0f", $1 / 1000, $2 / 1000, $3 / 1000 }'; }
# Frames presented per second over the given seconds.
rate() {
    local f0 t0 f1 t1
    f0=$(frames) t0=$(date +%s.%N)
    sleep "$1"
    f1=$(frames) t1=$(date +%s.%N)
    awk -v f="$((f1 - f0))" -v t0="$t0" -v t1="$t1" 'BEGIN { printf "%.1f", f / (t1 - t0) }'
}
say() { echo "$*" | tee -a "$output/memory_figures.txt"; }
: >"$output/memory_figures.txt"
# The board's state settles (pictures decoded, first frames drawn) before each reading.
settle=2

# Ten boards of the game already on its first one: the size after each.
ten_boards() {
    local first="$1" sizes n
    sizes="$(rss)"
    for n in $(seq $((first + 1)) $((first + 9))); do
        key_until Right "fin du tableau" "$n" && sleep "$settle"
        sizes="$sizes $(rss)"
    done
    say "$2 boards 1-10 MiB: $sizes"
}

sleep 4
say "first three frames presented at ms: $(first_frames)"
say "title MiB: $(rss)"
say "title frames/s (60 updates/s) over 20 s: $(rate 20)"

await ecrantitre 1 && click_until 640 600 ecranintro 1
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
sleep 0.3 && click_until 640 167 "entrée nombre items 1" 1
sleep 0.3 && click_until 640 712 engine1 1 && await "fin du tableau" 1 && sleep "$settle"
say "matching first board MiB: $(rss)"
say "matching board frames/s (60 updates/s) over 20 s: $(rate 20)"
ten_boards 1 matching

key_until Escape ecranintro 2
sleep 0.5 && click_until 640 367 ecranchoixdujeu 2
sleep 0.3 && click_until 640 267 "entrée nombre items 2" 1
sleep 0.3 && click_until 640 710 engine1 2 && await "fin du tableau" 11 && sleep "$settle"
say "word order first board MiB: $(rss)"
ten_boards 11 "word order"

key_until Escape ecranintro 3
sleep 0.5 && click_until 640 367 ecranchoixdujeu 3
sleep 0.3 && click_until 640 367 ecranchoixdephrase 1 && await "fin de la banque" 1
sleep "$settle"
say "build-a-sentence screen MiB: $(rss)"

# Ten sentences of the child's, each acted out on a terrain of its own, then back to the frame.
sentences=(
    "perso_dame_f|po_regarder|perso_monsieur_m"
    "perso_monsieur_m|p_portersurepaules|perso_petit garcon_m"
    "perso_petite fille_f|p_poursuivre|perso_dame_f"
    "perso_petit garcon_m|odm_soulever|deuxmains_gateau_m"
    "perso_dame_f|a_promener|animal_chien_m"
    "perso_monsieur_m|oum_lancer|unemain_balle_f|à|perso_petite fille_f"
    "perso_petite fille_f|i_jouer de la musique"
    "perso_petit garcon_m|po_regarder|animal_elephant_m"
    "perso_dame_f|i_cuisiner"
    "perso_monsieur_m|i_dormir"
)
sizes="" n=20 back=1
for sentence in "${sentences[@]}"; do
    if [ -n "$(reads)" ]; then
        c=$(($(changes) + 1))
        press effacer && await_changes "$c" "the frame emptied"
    fi
    IFS='|' read -r -a words <<<"$sentence"
    for word in "${words[@]}"; do add "$word"; done
    n=$((n + 1)) back=$((back + 1))
    press animation && await "fin du tableau" "$n" && sleep "$settle"
    sizes="$sizes $(rss)"
    press retour terrain_button && await ecranchoixdephrase "$back"
done
say "build-a-sentence acted sentences 1-10 MiB:$sizes"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
say "figures in $output/memory_figures.txt"
