#!/usr/bin/env bash
# Starts the game on the current display with a temporary HOME (USERPROFILE unset), checks the
# window title, saves a screenshot, quits with Escape and checks the exit code and that nothing
# was written outside the temporary HOME.
#   start_and_quit.sh <mirelvanquibs> <output folder>
here="$(cd "$(dirname "$0")" && pwd)"
game="$(realpath "$1")" output="$(mkdir -p "$2" && cd "$2" && pwd)"
log="$output/e2e_start_and_quit.log"
workdir="$(mktemp -d)"
# What lies outside the temporary HOME that the game could write to: the real game folder, the
# file-system root's Documents and the working directory.
real_home="${HOME:-/root}"
snapshot() {
    ls -la --time-style=full-iso "$real_home/Documents/MirelvanQuibs" 2>/dev/null
    ls -d /Documents 2>/dev/null
    ls -A "$workdir"
}
before="$(snapshot)"
cd "$workdir" || exit 1
# shellcheck source=tests/e2e/e2e_common.sh
. "$here/e2e_common.sh"
trap 'stop_game; rm -rf "$home" "$workdir"' EXIT

await ecrantitre 1
shot title 1
quit 1
[ "$before" = "$(snapshot)" ] || fail "something was written outside the temporary HOME"
echo "PASS: window shown, screenshot in $output/e2e_title.png, quit with code 0"
