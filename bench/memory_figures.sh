#!/usr/bin/env bash
# Resident size and frame pacing of the real program, played through its menus under a virtual
# display: at the title, after the first board of each game, after each of forty boards of the
# matching game and ten of the word-order game (the right arrow deals a new board), after each
# of ten sentences built and acted out in the build-a-sentence game; and over 20 s at the title
# and on a board of four terrains, with 60 updates a second, the frames presented per second and
# the main thread's CPU time and minor page faults per frame. Frames are counted by a small
# library loaded before GLFW (swap_counter.c).
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
# The main thread's CPU time in nanoseconds and its minor page faults so far. The scheduler's
# count is exact; without it, the clock ticks of user and system time.
main_thread() {
    local task="/proc/$pid/task/$pid" ns="" tick
    [ -r "$task/schedstat" ] && read -r ns _ <"$task/schedstat"
    tick=$(getconf CLK_TCK)
    sed 's/^.*) //' "$task/stat" |
        awk -v ns="$ns" -v tick="$tick" '{ printf "%.0f %d", ns != "" ? ns : ($12 + $13) * 1e9 / tick, $8 }'
}
# Over the given seconds: frames presented per second, the main thread's CPU milliseconds and
# minor page faults per frame.
pace() {
    local f0 t0 c0 m0 f1 t1 c1 m1
    read -r c0 m0 <<<"$(main_thread)"
    f0=$(frames) t0=$(date +%s.%N)
    sleep "$1"
    f1=$(frames) t1=$(date +%s.%N)
    read -r c1 m1 <<<"$(main_thread)"
    awk -v f="$((f1 - f0))" -v t0="$t0" -v t1="$t1" -v c="$((c1 - c0))" -v m="$((m1 - m0))" \
        'BEGIN { if (f < 1) f = 1
                 printf "%.1f frames/s, %.2f ms CPU, %.1f minor faults per frame",
                        f / (t1 - t0), c / 1e6 / f, m / f }'
}
say() { echo "$*" | tee -a "$output/memory_figures.txt"; }
: >"$output/memory_figures.txt"
# The board's state settles (pictures decoded, first frames drawn) before each reading.
settle=2

# Boards told so far ("fin du tableau" lines).
shown=0
# Boards of the game already on its first one, up to the given count: the size after each, ten
# to a line.
boards() {
    local sizes b
    sizes="$(rss)"
    for b in $(seq 2 "$1"); do
        shown=$((shown + 1))
        key_until Right "fin du tableau" "$shown" && sleep "$settle"
        sizes="${sizes:+$sizes }$(rss)"
        [ $((b % 10)) -eq 0 ] && say "$2 boards $((b - 9))-$b MiB: $sizes" && sizes=""
    done
    [ -z "$sizes" ] || say "$2 boards up to $1 MiB: $sizes"
}

sleep 4
say "first three frames presented at ms: $(first_frames)"
say "title MiB: $(rss)"
say "title (60 updates/s) over 20 s: $(pace 20)"

await ecrantitre 1 && click_until 640 600 ecranintro 1
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
sleep 0.3 && click_until 640 167 "entrée nombre items 1" 1
shown=$((shown + 1))
sleep 0.3 && click_until 640 712 engine1 1 && await "fin du tableau" "$shown" && sleep "$settle"
terrains=$(board | grep -c '^terrain ')
say "matching first board ($terrains terrains) MiB: $(rss)"
say "matching board (60 updates/s) over 20 s: $(pace 20)"
boards 40 matching

key_until Escape ecranintro 2
sleep 0.5 && click_until 640 367 ecranchoixdujeu 2
sleep 0.3 && click_until 640 267 "entrée nombre items 2" 1
shown=$((shown + 1))
sleep 0.3 && click_until 640 710 engine1 2 && await "fin du tableau" "$shown" && sleep "$settle"
say "word order first board MiB: $(rss)"
boards 10 "word order"

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
sizes="" back=1
for sentence in "${sentences[@]}"; do
    if [ -n "$(reads)" ]; then
        c=$(($(changes) + 1))
        press effacer && await_changes "$c" "the frame emptied"
    fi
    IFS='|' read -r -a words <<<"$sentence"
    for word in "${words[@]}"; do add "$word"; done
    shown=$((shown + 1)) back=$((back + 1))
    press animation && await "fin du tableau" "$shown" && sleep "$settle"
    sizes="$sizes $(rss)"
    press retour terrain_button && await ecranchoixdephrase "$back"
done
say "build-a-sentence acted sentences 1-10 MiB:$sizes"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
say "figures in $output/memory_figures.txt"
