#!/usr/bin/env bash
# The gallery of a profile folder that holds, under the newest capture names, twenty small files
# that declare huge pictures (PNG and BMP of 4096 x 4096 in 8 KB, 16-bit samples, cut and
# damaged BMP headers, a palette shorter than its indices), and behind them two real captures of
# one picture, one stored bottom first as the game writes it, one top first as some editors do.
# The gallery opens with the two pictures, both the right way up. The time the opening took and
# the game's resident size before and after go to the play's notes for a person to read: no
# verdict hangs on them (a loaded machine is slower, a sanitized build larger).
#   gallery_hostile_folder.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_gallery_hostile_folder.log"
# The game writes its log from its own offset: what the play notes goes to a file of its own.
notes="$2/e2e_gallery_hostile_folder_notes.txt"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"
folder="$home/Documents/MirelvanQuibs/_defaut"
capture() { printf 'mirelvanquibs_capture_2024-01-01_10%04d' "$1"; }
name() { echo "$folder/$(capture "$1").bmp"; }
# The resident size now and at its peak, in kB.
memory() { awk '/^Vm(RSS|HWM):/ { printf "%s %s kB  ", $1, $2 } END { print "" }' "/proc/$pid/status"; }

await ecrantitre 1 && click_until 640 600 ecranintro 1
[ -d "$folder" ] || fail "no default profile folder at $folder"

# The hostile files, each kind in turn. Headers are written byte by byte; "\0\020\0\0" is 4096.
hostile() {
    case $(($1 % 7)) in
    0) printf '\211PNG\r\n\032\n\0\0\0\rIHDR\0\0\020\0\0\0\020\0\010\006\0\0\0' ;;
    1) printf '\211PNG\r\n\032\n\0\0\0\rIHDR\0\0\020\0\0\0\020\0\020\006\0\0\0' ;;
    2) printf 'BM\0\040\0\0\0\0\0\0\076\0\0\0\050\0\0\0\0\020\0\0\0\020\0\0\001\0\001\0' ;;
    3) printf 'BM\035\0\0\0\0\0\0\0\035\0\0\0\050\0\0\0\240\017\0\0\240\017\0\0\001\0\030' ;;
    4) printf 'BM\042\0\0\0\0\0\0\0\042\0\0\0\050\0\0\0\240\017\0\0\240\017\0\0\001\0\030\0\0\0\0\200' ;;
    5) printf 'BM\0\040\0\0\0\0\0\0\066\0\0\0\050\0\0\0\0\020\0\0\0\020\0\0\001\0\030\0' ;;
    # 8 bits a pixel, one colour in the palette, then indices 0, 5, 9 and 200.
    6) printf 'BM\076\0\0\0\0\0\0\0\072\0\0\0\050\0\0\0\004\0\0\0\001\0\0\0\001\0\010\0'
       printf '\0\0\0\0\004\0\0\0\0\0\0\0\0\0\0\0\001\0\0\0\0\0\0\0\0\0\377\0\0\005\011\310' ;;
    esac
}
for i in $(seq 100 119); do
    hostile "$i" >"$(name "$i")"
    # The 8 KB ones grow to their size; the cut headers and the palette stay as they are.
    case $((i % 7)) in 0 | 1 | 2 | 5) truncate -s 8K "$(name "$i")" ;; esac
done
# One picture with a clear top (a sun in the sky over a green field), twice.
picture=(-size 640x384 gradient:skyblue-white -fill forestgreen -draw "rectangle 0,260 640,384"
         -fill gold -draw "circle 320,70 320,30")
convert "${picture[@]}" BMP3:"$(name 1)" || fail "could not make the bottom-first capture"
{
    # 640 x -384, 24 bits, rows of 1920 bytes (no padding) top first.
    printf 'BM\066\100\013\0\0\0\0\0\066\0\0\0\050\0\0\0\200\002\0\0\200\376\377\377\001\0\030\0'
    printf '\0\0\0\0\0\100\013\0\023\013\0\0\023\013\0\0\0\0\0\0\0\0\0\0'
    convert "${picture[@]}" -depth 8 bgr:-
} >"$(name 2)" || fail "could not make the top-first capture"
ls -l "$folder" >"$notes"

echo "== at the hub: $(memory)" >>"$notes"
sleep 0.3 && click_until 1240 728 ecranprofils 1
sleep 0.3
start=$(date +%s%N)
click 1024 229 && await_re "^cas numero" 1
took=$((($(date +%s%N) - start) / 1000000))
await ecrangalerie 1
echo "== gallery opened in ${took} ms (press to its last line): $(memory)" >>"$notes"
for i in 1 2; do
    await_re "^plaque $(capture "$i") " 1
done
[ "$(count -E '^plaque ')" -eq 2 ] || fail "a hostile file was hung ($(grep '^plaque ' "$log"))"
for i in $(seq 100 119); do
    grep -q "^$(capture "$i").bmp : image illisible" "$log" ||
        fail "file $i was not refused"
done

# The room scrolled to the pictures, both seen, then the top-first one enlarged.
gallery_walk
shot gallery_two_pictures 0.5
gallery_press "$(capture 2)" 40 -150
shot gallery_top_first_enlarged 0.5
echo "== pictures seen: $(memory)" >>"$notes"
click 640 740 && sleep 0.3
key_until Escape ecranintro 2
quit 2
grep '^== ' "$notes"
echo "PASS: the gallery refused the twenty hostile files and hung both captures the right way up"
