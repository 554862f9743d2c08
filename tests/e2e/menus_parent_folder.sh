#!/usr/bin/env bash
# The menus with what a parent's folder can hold and what a parent's hands do, in the real
# program: a profile named by typing at 20 ms a key, then a pipe for its "preferences", a BMP
# of 118 bytes that declares 8192 x 8192 and a "phrases.txt" of 1 MiB dropped into its folder;
# the profile used, its gallery opened; the delete question, Escape and back; options screen 2
# scrolled to its end and left by Escape; the hub and the set-up screens while the furniture
# drifts under their labels. Every file under the temporary home is listed after each step.
#   menus_parent_folder.sh <mirelvanquibs> <output folder>
game="$1" output="$2" log="$2/e2e_parent_folder.log"
# shellcheck source=tests/e2e/e2e_common.sh
. "$(dirname "$0")/e2e_common.sh"
listing="$output/e2e_parent_folder_files.txt"
: >"$listing"
profile="Lou-Anne Delacroix"
folder="$home/Documents/MirelvanQuibs/$profile"

# Every file under the home after a step, with its type (f file, d folder, p pipe, l link).
list() {
    { echo "== $1"; (cd "$home" && find . -printf '%y %s %p\n' | sort -k3); } >>"$listing"
}
# The game must still answer: a press on the hub's first button reaches options screen 1.
alive() { kill -0 "$pid" 2>/dev/null || fail "the game ended ($1)"; }

list start
await ecrantitre 1 && click_until 640 600 ecranintro 1
shot parent_hub 0.3
sleep 0.3 && click_until 1240 728 ecranprofils 1

# The name field emptied and a name typed at 20 ms a key, then "ajouter".
click 275 172 && sleep 0.3
# shellcheck disable=SC2046
key --delay 20 $(printf 'BackSpace %.0s' $(seq 16))
xdo type --delay 20 "$profile" || fail "xdotool did not type the name"
sleep 0.3 && shot parent_typed 0.2
click 568 172
until=$((SECONDS + wait_limit))
while [ ! -d "$folder" ] && [ "$SECONDS" -lt "$until" ]; do sleep 0.1; done
[ -d "$folder" ] || fail "the typed name did not make the folder \"$profile\" ($(ls "$home/Documents/MirelvanQuibs"))"
list "profile made by typing"

# What a parent (or a stray program) may leave in the folder.
mkfifo "$folder/preferences"
printf 'BM\x76\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\0\x20\0\0\0\x20\0\0\x01\0\x18\0' |
    head -c 118 >"$folder/mirelvanquibs_capture_2024-01-01_101010.bmp"
truncate -s 118 "$folder/mirelvanquibs_capture_2024-01-01_101010.bmp"
convert -size 640x384 gradient:skyblue-lightyellow BMP3:"$folder/mirelvanquibs_capture_2024-01-01_101011.bmp" ||
    fail "could not make a capture"
{
    printf 'mirelvanquibs_capture_2024-01-01_101010|'
    head -c $((1024 * 1024)) /dev/zero | tr '\0' 'a'
    printf '\nmirelvanquibs_capture_2024-01-01_101011|'
    for _ in $(seq 2000); do printf 'La dame regarde le chat. '; done
    printf '\n'
} >"$folder/phrases.txt"
list "odd files dropped"

# "utiliser" on the new row (it heads the list): the pipe is no file, the hub comes at once.
click 796 229 && await_re "$profile/ = le profil$" 1 && await ecranintro 2
alive "using a profile whose preferences are a pipe"
grep -q "Pas un fichier ordinaire.*$profile/preferences" "$log" || fail "the pipe was not reported"
list "profile used"

# Its gallery: the empty header is no picture, the large list is read quickly.
sleep 0.3 && click_until 1240 728 ecranprofils 2
sleep 0.3 && click 1024 229 && await ecrangalerie 1
await_re "^plaque mirelvanquibs_capture_2024-01-01_101011 " 1
count -q "^plaque mirelvanquibs_capture_2024-01-01_101010 " && fail "the empty BMP was hung"
gallery_walk
shot parent_gallery 0.3
gallery_press mirelvanquibs_capture_2024-01-01_101011 70 19
await_re "^carte : La dame regarde le chat\\." 1
shot parent_gallery_card 0.5
click 640 740 && sleep 0.3
key_until Escape ecranintro 3
alive "the gallery"
list "gallery seen"

# The delete question on the new profile, Escape, and back: no question, the folder stays.
sleep 0.3 && click_until 1240 728 ecranprofils 3
sleep 0.3 && click 568 229 && await_re "^question : .*$profile" 1
shot parent_question 0.2
key_until Escape ecranintro 4
sleep 0.3 && click_until 1240 728 ecranprofils 4
shot parent_profiles_back 0.4
[ -d "$folder" ] || fail "the profile went with Escape"
list "question, Escape, back"
key_until Escape ecranintro 5

# Options screen 2 scrolled to its end, then Escape: nothing written.
sleep 0.3 && click_until 640 267 ecranoptions2 1
# shellcheck disable=SC2046
sleep 0.3 && xdo mousemove --window "$window" $(at 640 400) && xdo click --repeat 160 --delay 20 5 ||
    fail "xdotool did not turn the wheel"
shot parent_options2_end 0.5
key_until Escape ecranintro 6
[ -p "$folder/preferences" ] || fail "Escape on options screen 2 wrote the preferences"
list "options 2 left by Escape"

# The hub and the set-up screens as the furniture drifts under their labels.
shot parent_hub_drift1 1.5 && shot parent_hub_drift2 3
sleep 0.3 && click_until 640 367 ecranchoixdujeu 1
sleep 0.3 && click_until 640 167 ecrannombreitems1 1
shot parent_setup1_a 0.5 && shot parent_setup1_b 3
key_until Escape ecranchoixdujeu 2
sleep 0.3 && click_until 640 267 ecrannombreitems2 1
shot parent_setup2_a 0.5 && shot parent_setup2_b 3
key_until Escape ecranchoixdujeu 3
sleep 0.3 && key_until Escape ecranintro 7
list "set-up screens seen"

# Nothing left the game folder; the odd files are as the parent left them.
[ "$(cd "$home" && find . -path ./Documents/MirelvanQuibs -prune -o -print | wc -l)" -le 2 ] ||
    fail "files outside the game folder"
[ "$(stat -c %s "$folder/mirelvanquibs_capture_2024-01-01_101010.bmp")" -eq 118 ] ||
    fail "the 118-byte BMP changed"
sleep 0.3 && quit 2
echo "PASS: a pipe, an empty BMP and a 1 MiB list in a profile typed at 20 ms a key; files listed in $listing"
