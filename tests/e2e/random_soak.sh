#!/usr/bin/env bash
# Random input for a bounded time, in the real program: clicks, double clicks, drags, the wheel,
# key presses, names typed into the profile field and window resizes, spread over every screen
# (every few dozen moves it goes back to the hub by Escape and the title, then into a screen
# drawn at random). The game is started from an empty working folder with an empty home, under
# the sanitizers with the leak check on. At the end: the game is alive, no sanitizer report,
# nothing written outside the home's Documents/MirelvanQuibs/ (nor in the working folder or
# the data folder), and Escape still leads to the title and quits with code 0.
#   random_soak.sh <mirelvanquibs> <output folder> [seed] [frames]
# The seed (default: drawn and printed) replays the same input; the length is counted in frames
# of the game's 60 Hz clock (default 7200, two minutes: the CI run). A long local run, with a
# screenshot every five minutes in the output folder:
#   MQ_SOAK_SHOT_EVERY=300 xvfb-run -a -s "-screen 0 1920x1080x24" \
#       tests/e2e/random_soak.sh build/ci/mirelvanquibs build/ci/test-output 4242 120000
# with the environment tools/test.sh sets (sanitizer options, ALSOFT_DRIVERS=null, ...).
# Escape on the title quits: the soak sends none there, and a clean exit right after an
# Escape (the screen had changed under it) counts as an end, the game being started again.
game_binary="$1" output="$2"
seed="${3:-${MQ_SOAK_SEED:-$(((RANDOM << 15 | RANDOM) % 1000000))}}"
frames="${4:-${MQ_SOAK_FRAMES:-7200}}"
shot_every="${MQ_SOAK_SHOT_EVERY:-0}"
log="$output/e2e_soak.log"
echo "soak: seed $seed, $frames frames (replay: $0 $1 $2 $seed $frames)"
# Mesa's shader cache would write into the home; the game has nothing to do with it.
export MESA_SHADER_CACHE_DISABLE=true

# The game is run from an empty working folder, by a launcher that puts the leak check back on
# (the shared start turns it off for the shorter plays).
work="$(mktemp -d)" launcher_dir="$(mktemp -d)"
launcher="$launcher_dir/launch"
asan="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1"
printf '#!/usr/bin/env bash\ncd %q || exit 97\nASAN_OPTIONS=%q exec %q\n' "$work" "$asan" \
    "$(realpath "$game_binary")" >"$launcher"
chmod +x "$launcher"
data="$(dirname "$(realpath "$game_binary")")/data"
marker="$launcher_dir/start"
touch "$marker"
mkdir -p "$output"
: >"$log"
game="$launcher"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"
trap 'stop_game; rm -rf "$home" "$work" "$launcher_dir"' EXIT

# ---- What the game says --------------------------------------------------------------------
# The log is read from where the last look stopped, whole lines only. The title is showing when
# its name is the last screen named: the title is left only for the hub, which it names, and a
# button pressed on the hub in the frame of an Escape names its own screen after the title.
off=0 on_title=1 titles=0 hubs=0
scan() {
    local size chunk lines t h last LC_ALL=C
    size=$(stat -c %s "$log")
    [ "$size" -gt "$off" ] || return 0
    chunk="$(tail -c +$((off + 1)) "$log" | head -c $((size - off)); echo .)"
    chunk="${chunk%.}"
    [[ "$chunk" == *$'\n'* ]] || return 0
    lines="${chunk%$'\n'*}"
    off=$((off + ${#lines} + 1))
    read -r t h last < <(printf '%s\n' "$lines" | awk '
        /^ecran[a-z0-9]+$/ { last = $0 } $0 == "ecrantitre" { t++ } $0 == "ecranintro" { h++ }
        END { print t + 0, h + 0, last }')
    titles=$((titles + t)) hubs=$((hubs + h))
    [ -n "$last" ] && { [ "$last" = ecrantitre ] && on_title=1 || on_title=0; }
    return 0
}
# Waits, bounded, until the title count (or the hub count) has reached n.
await_count() {
    local until=$((SECONDS + $3))
    while scan && [ "${!1}" -lt "$2" ]; do
        alive || return 1
        [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.1
    done
}
# Waits, bounded, until the title or the hub shows up once more (most ways back to the hub
# say so, a few do not).
await_title_or_hub() {
    local t=$((titles + 1)) h=$((hubs + 1)) until=$((SECONDS + 2))
    while scan && [ "$titles" -lt "$t" ] && [ "$hubs" -lt "$h" ]; do
        alive && [ "$SECONDS" -lt "$until" ] || return 0
        sleep 0.1
    done
}
alive() { [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; }

# ---- The game's life -----------------------------------------------------------------------
starts=1 last_escape=0
# Started again after a clean quit: same home, same working folder, the log appended to.
restart() {
    "$launcher" >>"$log" 2>&1 &
    pid=$!
    starts=$((starts + 1))
    on_title=1
    find_window
    win_w=0
    sleep 1
}
# The game gone: an end only if it quit cleanly just after an Escape; anything else is a fault.
check_gone() {
    alive && return 0
    wait "$pid"
    local code=$?
    pid=""
    if [ "$code" -eq 0 ] && [ $((SECONDS - last_escape)) -le 5 ]; then
        echo "soak: Escape reached the title and quit (after ${SECONDS}s); started again"
        check_reports
        restart
        return 0
    fi
    fail "the game ended with code $code, not after an Escape on the title"
}
# A game alive that does not answer: its window and its threads' stacks, for the report.
diagnose() {
    alive || return 0
    timeout 20 import -window "$window" "$output/e2e_soak_stuck.png" 2>/dev/null
    command -v gdb >/dev/null &&
        timeout 60 gdb -p "$pid" -batch -ex "thread apply all bt" >"$output/e2e_soak_stacks.txt" 2>&1
    echo "soak: the window and the stacks are in $output (e2e_soak_stuck.png, e2e_soak_stacks.txt)"
}
check_reports() {
    grep -aE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: [A-Za-z]*Sanitizer' "$log" |
        head -n 5 | grep -q . && fail "a sanitizer report (see the log)"
    return 0
}

# ---- Random draws (in this shell only: a subshell would not advance the sequence) ----------
RANDOM=$seed
# r = a number in [0, n)
rnd() { r=$((RANDOM % $1)); }
pick() { rnd $#; shift "$r"; r="$1"; }

# The window size and the screen's, and a canvas point drawn at random, a little past the
# canvas sometimes (the letterbox bars).
screen_w=1280 screen_h=1024
read_screen() {
    local WIDTH="" HEIGHT=""
    eval "$(xdo getdisplaygeometry --shell)"
    [ -n "$WIDTH" ] && screen_w=$WIDTH screen_h=$HEIGHT
}
rnd_point() {
    rnd 1400 && px=$((r - 60))
    rnd 880 && py=$((r - 56))
}
# Where the last debug lines put cards, words, buttons and terrains: the things worth taking.
hot_points() {
    tail -c 60000 "$log" | awk '
        /^etiquette [0-9]+ -?[0-9]+ -?[0-9]+ / { print $3, $4 }
        /^banque -?[0-9]+ -?[0-9]+ / { print $2, $3 }
        $1 == "bouton" && NF == 4 && $3 ~ /^-?[0-9]+$/ { print $3, $4 }
        $1 == "bouton" && NF == 5 && $4 ~ /^-?[0-9]+$/ { print $4, $5 }
        $1 == "cadre" && NF >= 4 && $3 ~ /^-?[0-9]+$/ { print $3, $4 }
        /^terrain [0-9]+ -?[0-9]+ -?[0-9]+ / { print $3 + 320, $4 + 250 }' | tail -n 40
}
hot=() hot_age=0
# A point of a thing on the screen half the time when there is one, else anywhere.
target() {
    if [ $hot_age -le 0 ]; then
        mapfile -t hot < <(hot_points)
        hot_age=8
    fi
    hot_age=$((hot_age - 1))
    rnd 2
    if [ "$r" -eq 0 ] && [ ${#hot[@]} -gt 0 ]; then
        rnd ${#hot[@]} && read -r px py <<<"${hot[$r]}"
        rnd 21 && px=$((px + r - 10))
        rnd 21 && py=$((py + r - 10))
    else
        rnd_point
    fi
}

# ---- The moves -----------------------------------------------------------------------------
# The pointer moved and pressed like the shared helpers do, but a window gone between two
# moves is left to check_gone rather than failing the soak; the window's size is kept between
# resizes.
win_w=0 win_h=0
read_window() {
    local WIDTH="" HEIGHT=""
    eval "$(xdo getwindowgeometry --shell "$window")"
    win_w=${WIDTH:-0} win_h=${HEIGHT:-0}
}
go() {
    local x y
    [ "$win_w" -gt 0 ] || read_window
    [ "$win_w" -gt 0 ] || return 1
    if [ $((5 * win_h)) -ge $((3 * win_w)) ]; then
        x=$((win_w / 2 + ($1 - 640) * win_w / 1280)) y=$((win_h / 2 + ($2 - 384) * win_w / 1280))
    else
        x=$((win_w / 2 + ($1 - 640) * win_h / 768)) y=$((win_h / 2 + ($2 - 384) * win_h / 768))
    fi
    # Left of or above the window is out of xdotool's reach.
    xdo mousemove --window "$window" $((x < 0 ? 0 : x)) $((y < 0 ? 0 : y))
}
tap() { go "$1" "$2" && xdo mousedown 1 && sleep 0.08 && xdo mouseup 1; }
moves=0
# Keys the screens use, and others; Escape only off the title.
keys=(Return BackSpace space Left Right Up Down r m h Control_L Tab Delete Home End Prior Next
      F1 F5 KP_Enter Shift_L a z e q 0 1 9 shift+r ctrl+a ctrl+z alt+Tab)
names=("Léa" "Noé 2" "../../dehors" "a/b" "." ".." "~" " " "x:y" "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
       "Zoë" "CON" "_defaut" "é/../è" "-rf" "*" "\$HOME" "ça va" "123")
press_key() {
    pick "${keys[@]}"
    xdo key "$r" || true
}
escape() {
    scan
    [ "$on_title" -eq 1 ] && return 0
    last_escape=$SECONDS
    xdo key Escape || true
}
move() {
    local k="$1" x1 y1
    case "$k" in
    click)
        target && tap "$px" "$py" ;;
    double)
        target && go "$px" "$py" && xdo click --repeat 2 --delay 70 1 || true ;;
    other_button)
        target && go "$px" "$py" && pick 2 3 && xdo click "$r" || true ;;
    drag)
        target && x1=$px y1=$py && target
        go "$x1" "$y1" && xdo mousedown 1 || true
        for step in 1 2 3; do
            sleep 0.05
            go $((x1 + (px - x1) * step / 3)) $((y1 + (py - y1) * step / 3))
        done
        xdo mouseup 1 || true ;;
    wheel)
        rnd_point && go "$px" "$py"
        pick 4 5 4 5 6 7 && x1=$r && rnd 6
        xdo click --repeat $((r + 1)) --delay 30 "$x1" || true ;;
    key)
        press_key ;;
    type)
        pick "${names[@]}" && xdo type --delay 40 -- "$r" || true ;;
    escape)
        escape ;;
    resize)
        read_screen
        pick small small large any
        case "$r" in
        small) rnd 300 && x1=$((120 + r)) && rnd 250 && y1=$((90 + r)) ;;
        large) rnd 400 && x1=$((screen_w - r)) && rnd 300 && y1=$((screen_h - r)) ;;
        *) rnd $((screen_w - 100)) && x1=$((100 + r)) && rnd $((screen_h - 80)) && y1=$((80 + r)) ;;
        esac
        xdo windowsize "$window" "$x1" "$y1" || true
        win_w=0 ;;
    esac
    moves=$((moves + 1))
}
random_moves() {
    local n="$1" k
    for _ in $(seq "$n"); do
        [ "$SECONDS" -lt "$deadline" ] || return 0
        rnd 100
        if [ "$r" -lt 30 ]; then k=click
        elif [ "$r" -lt 36 ]; then k=double
        elif [ "$r" -lt 39 ]; then k=other_button
        elif [ "$r" -lt 55 ]; then k=drag
        elif [ "$r" -lt 61 ]; then k=wheel
        elif [ "$r" -lt 80 ]; then k=key
        elif [ "$r" -lt 85 ]; then k="type"
        elif [ "$r" -lt 88 ]; then k=escape
        else k=resize; fi
        move "$k"
        rnd 25 && printf -v pause "0.%02d" $((r + 2)) && sleep "$pause"
        check_gone
        shots_due
    done
}

# ---- Steering ------------------------------------------------------------------------------
# Back to the title by Escape, bounded; false when the title never comes. A message holds
# Escape back until it is answered; the one on the choice of words that allows no sentence
# comes back until the choice allows one.
to_title() {
    local tries
    scan
    for tries in $(seq 20); do
        [ "$on_title" -eq 1 ] && return 0
        escape
        await_title_or_hub
        check_gone
        # Not a click more once the title shows: it would leave it.
        [ "$on_title" -eq 1 ] && return 0
        [ "$tries" -ge 3 ] && [ $((tries % 2)) -eq 1 ] && answer_message
    done
    return 1
}
# The message's button; then, with the list scrolled back to its top, the characters' or the
# actions' group box in turn: within four answers both groups are whole again.
answers=0
answer_message() {
    tap 640 516 && sleep 0.6
    go 640 384 && xdo click --repeat 15 --delay 20 4
    sleep 0.3
    if [ $((answers % 2)) -eq 0 ]; then tap 90 249; else tap 90 130; fi
    answers=$((answers + 1))
    sleep 0.3
}
to_hub() {
    to_title || return 1
    sleep 0.5
    for _ in $(seq 5); do
        tap 640 600
        await_count hubs $((hubs + 1)) 5 && return 0
        check_gone
    done
    return 1
}
# A screen drawn at random, entered from the hub by its button.
visits=()
enter_screen() {
    pick options1 options2 profiles gallery matching word_order phrase title
    visits+=("$r")
    case "$r" in
    options1) tap 640 167 ;;
    options2) tap 640 267 ;;
    profiles) tap 1236 729 && sleep 1.2 && rnd 2 && [ "$r" -eq 0 ] && profile_moves ;;
    gallery)
        # Through the profiles: a profile named, added, and its gallery opened.
        tap 1236 729 && sleep 1.2 && profile_moves "593 173"
        sleep 0.4 && rnd 2 && tap 1049 $((221 + 48 * r)) ;;
    matching | word_order | phrase)
        local y
        case "$r" in matching) y=167 ;; word_order) y=267 ;; *) y=367 ;; esac
        tap 640 367 && sleep 1 && tap 640 "$y" && sleep 1.2 && tap 640 712 ;;
    title)
        tap 1165 729 ;;
    esac
    sleep 1
}
# The profiles' panel: the name field, a name typed, "ajouter" or "utiliser" (or the one given).
profile_moves() {
    tap 305 173 && xdo key --repeat 16 --delay 20 BackSpace || true
    pick "${names[@]}" && xdo type --delay 40 -- "$r" || true
    # shellcheck disable=SC2086
    pick "593 173" "820 173" && tap ${1:-$r}
    sleep 0.8
}

# ---- Screenshots ---------------------------------------------------------------------------
shots=0 next_shot=0
shots_due() {
    [ "$shot_every" -gt 0 ] && [ "$SECONDS" -ge "$next_shot" ] || return 0
    next_shot=$((SECONDS + shot_every))
    shots=$((shots + 1))
    timeout 20 import -window "$window" "$output/e2e_soak_${seed}_$shots.png" 2>/dev/null || true
}

# ---- The soak ------------------------------------------------------------------------------
await_count titles 1 30 || fail "no title"
started=$SECONDS
deadline=$((SECONDS + (frames + 59) / 60))
next_shot=$((SECONDS + shot_every))
while [ "$SECONDS" -lt "$deadline" ]; do
    if to_hub; then
        enter_screen
        check_gone
    fi
    rnd 30 && random_moves $((8 + r))
done
elapsed=$((SECONDS - started))

# ---- The checks ----------------------------------------------------------------------------
check_gone
alive || fail "the game is not running at the end"
read -r -a stat <"/proc/$pid/stat"
cpu=$(((stat[13] + stat[14]) / $(getconf CLK_TCK)))
timeout 20 import -window "$window" "$output/e2e_soak_end.png" 2>/dev/null
xdo windowsize "$window" 1134 680 || true
win_w=0
sleep 0.5
# A key pressed while the title is still coming in is dropped with the switch, and a click of
# the way back may land on the title once it shows: back to the title and Escape again, as a
# child would.
for _ in 1 2 3; do
    to_title || { diagnose; fail "Escape did not lead back to the title"; }
    sleep 0.5
    scan
    [ "$on_title" -eq 1 ] || continue
    key Escape
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
    kill -0 "$pid" 2>/dev/null || break
done
kill -0 "$pid" 2>/dev/null && { diagnose; fail "Escape on the title did not quit it"; }
wait "$pid"
code=$?
pid=""
[ "$code" -eq 0 ] || fail "exit code $code after Escape on the title"
check_reports
echo "soak: the home and the working folder at the end:"
(cd "$home" && find . -mindepth 1 | sort | sed 's/^/  home /' | head -n 80)
(cd "$work" && find . -mindepth 1 | sort | sed 's/^/  work /' | head -n 20)
# Nothing outside the game's folder in the home, nothing in the working folder, the data
# folder untouched.
stray="$(cd "$home" && find . -mindepth 1 ! -path ./Documents ! -path ./Documents/MirelvanQuibs \
                              ! -path './Documents/MirelvanQuibs/*')"
[ -z "$stray" ] || fail "written outside Documents/MirelvanQuibs: $(echo $stray)"
[ -z "$(ls -A "$work")" ] || fail "written in the working folder: $(ls -A "$work" | tr '\n' ' ')"
[ -z "$(find "$data" -newer "$marker" | head -n 3)" ] || fail "the data folder changed"
profiles="$(find "$home/Documents/MirelvanQuibs" -mindepth 1 -maxdepth 1 | wc -l)"
echo "soak: seed $seed: ${elapsed}s ($((elapsed * 60)) frames at 60 Hz), $moves moves," \
     "${#visits[@]} screens entered, $starts start(s), $titles titles, $answers message(s)" \
     "answered, $profiles profile folder(s), last start used ${cpu}s of CPU, $shots screenshot(s)"
printf 'soak: screens entered:'; printf '%s\n' "${visits[@]}" | sort | uniq -c |
    awk '{ printf " %s %d", $2, $1 } END { print "" }'
echo "PASS: random soak, seed $seed"
