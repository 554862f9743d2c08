#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite. Without a display
# the tests run under a virtual X server (the few tests of the real window and OpenGL need one).
#   MQ_BUILD_DIR    build folder (default build/test)
#   MQ_CMAKE_ARGS   extra CMake arguments (CI passes -DMQ_SANITIZE=ON)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MQ_BUILD_DIR:-$root/build/test}

"$root/tools/install-deps.sh"
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${MQ_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"

# Numbers must read the same under a French locale: build one beside the tests when the system
# has none, so that this check runs everywhere.
if ! locale -a 2>/dev/null | grep -qiE '^fr_FR\.utf-?8$' && command -v localedef >/dev/null; then
    mkdir -p "$build/locale"
    if [ -d "$build/locale/fr_FR.UTF-8" ] ||
        localedef -i fr_FR -f UTF-8 "$build/locale/fr_FR.UTF-8" >/dev/null 2>&1; then
        export LOCPATH="$build/locale"
    fi
fi

export ALSOFT_DRIVERS=null
# GCC 12's sanitizer runtime intercepts __tls_get_addr and takes some of the thread-local blocks
# that shared libraries (the OpenGL driver among them) allocate for a header of an old C library
# layout; LeakSanitizer's end-of-run check then reads a bogus range and dies ("Tracer caught
# signal 11") after the test itself passed. Without that interception the leak check still
# covers everything else. Options a caller sets come after ours, so they win.
export ASAN_OPTIONS="detect_leaks=1:intercept_tls_get_addr=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The system's GL and X libraries keep a few allocations until exit; ours must not.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tools/lsan.supp:print_suppressions=0}

ctest_cmd=(ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600)
if [ -z "${DISPLAY:-}" ]; then
    # The virtual screen holds a 1920 by 1080 window whole: the end-to-end plays look at every
    # screen at that size. An X server resets when its last client leaves, and a test that
    # connects during the reset cannot open the display: now and then a test skipped its
    # window that way. -noreset keeps the server as it is between tests.
    exec xvfb-run -a -s "-screen 0 1920x1200x24 -noreset" "${ctest_cmd[@]}"
fi
exec "${ctest_cmd[@]}"
