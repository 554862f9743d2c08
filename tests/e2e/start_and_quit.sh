#!/usr/bin/env bash
# Starts the game on the current display with a temporary HOME (USERPROFILE unset), checks the
# window title, saves a screenshot, quits with Escape and checks the exit code and that nothing
# was written outside the temporary HOME.
#   start_and_quit.sh <mirelvanquibs> <output folder>
set -u
game="$1"
output="$2"

if [ -z "${DISPLAY:-}" ]; then
    echo "SKIP: no DISPLAY"
    exit 77
fi
for tool in xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done

fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    exit 1
}

home="$(mktemp -d)"
workdir="$(mktemp -d)"
trap 'rm -rf "$home" "$workdir"' EXIT
mkdir -p "$output"

# What lies outside the temporary HOME that the game could write to: the real game folder, the
# file-system root's Documents and the working directory.
real_home="${HOME:-/root}"
snapshot() {
    ls -la --time-style=full-iso "$real_home/Documents/MirelvanQuibs" 2>/dev/null
    ls -d /Documents 2>/dev/null
    ls -A "$workdir"
}
before="$(snapshot)"

# Driver libraries unloaded at exit leave allocations that the leak checker cannot attribute;
# the unit tests check our own leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
cd "$workdir"
env -u USERPROFILE HOME="$home" "$game" >"$output/e2e_start_and_quit.log" 2>&1 &
pid=$!

# Wait for the window, at most ~10 s.
window=""
for _ in $(seq 1 50); do
    window="$(xdotool search --pid "$pid" --name '^MirelvanQuibs$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before showing its window"
    sleep 0.2
done
[ -n "$window" ] || fail "no window titled MirelvanQuibs"
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the game ended on its own"

import -window root "$output/e2e_title.png" || fail "screenshot failed"

xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key Escape
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    fail "Escape did not quit"
fi
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "exit code $code (log: $output/e2e_start_and_quit.log)"

after="$(snapshot)"
[ "$before" = "$after" ] || fail "something was written outside the temporary HOME"

echo "PASS: window shown, screenshot in $output/e2e_title.png, quit with code 0"
exit 0
