#!/bin/bash
# Runs every test of Memolux on a Debian 12 machine (as root it installs
# what is missing first):
#   - unit tests of the portable code, natively under AddressSanitizer and
#     UndefinedBehaviorSanitizer;
#   - the fuzz targets for a bounded time;
#   - the Windows builds (i686, x86_64) with their import and size checks;
#   - under Wine on a virtual display: the unit tests and the end-to-end
#     tests of each build this machine can run.
# Leaves nothing running, also when a step fails. Exit status 0 = all passed.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${MEMOLUX_TEST_BUILD:-$ROOT/build/test}
FUZZ_SECONDS=${MEMOLUX_FUZZ_SECONDS:-60}
JOBS=$(nproc)

failures=()
step() {
    local name=$1
    shift
    echo
    echo "=== $name"
    if "$@"; then
        echo "=== $name: passed"
    else
        echo "=== $name: FAILED"
        failures+=("$name")
    fi
}

"$ROOT/scripts/install_deps.sh" || exit 1

# --- native -----------------------------------------------------------------
native_build() {
    cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug -DMEMOLUX_SANITIZE=ON >/dev/null &&
        ninja -C "$BUILD/native" -j "$JOBS"
}
native_unit_tests() {
    "$BUILD/native/memolux_unit_tests" --gtest_brief=1
}
fuzz() {
    local target=$1 seconds=$2 seed=$3
    local corpus
    corpus=$(mktemp -d)
    mkdir "$corpus/in"
    cp "$seed" "$corpus/in/"
    "$BUILD/native/$target" -max_total_time="$seconds" -print_final_stats=1 -error_exitcode=77 \
        -artifact_prefix="$corpus/" "$corpus/in" >"$corpus/log" 2>&1
    local status=$?
    grep -E '^(Done|stat::number_of_executed_units|SUMMARY)' "$corpus/log"
    if [ "$status" -ne 0 ] || ls "$corpus"/crash-* "$corpus"/leak-* "$corpus"/timeout-* >/dev/null 2>&1; then
        tail -40 "$corpus/log"
        echo "fuzz findings kept in $corpus"
        return 1
    fi
    rm -rf "$corpus"
}

step "native build" native_build
step "native unit tests (ASan, UBSan)" native_unit_tests
step "fuzz settings file (${FUZZ_SECONDS}s)" fuzz fuzz_pref_store "$FUZZ_SECONDS" "$ROOT/resources/Config.prefs"
step "fuzz sound image (30s)" fuzz fuzz_wave_image 30 "$ROOT/resources/help_clip.wav"

# --- Windows builds -----------------------------------------------------------
windows_build() {
    local arch=$1
    cmake -S "$ROOT" -B "$BUILD/win-$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null &&
        ninja -C "$BUILD/win-$arch" -j "$JOBS"
}
step "build i686" windows_build i686
step "build x86_64" windows_build x86_64
# Self-contained and small: the i686 program stays under 300 KiB.
step "check i686 executable" "$ROOT/scripts/check_executable.sh" i686-w64-mingw32-objdump \
    "$BUILD/win-i686/Memolux.exe" 307200
step "check x86_64 executable" "$ROOT/scripts/check_executable.sh" x86_64-w64-mingw32-objdump \
    "$BUILD/win-x86_64/Memolux.exe" 409600

# --- under Wine ---------------------------------------------------------------
. "$ROOT/scripts/wine_session.sh"
if wine_session_start; then
    wine_tests() {
        local arch=$1 runner=$2
        step "unit tests under Wine ($arch)" "$runner" "$BUILD/win-$arch/memolux_unit_tests.exe" --gtest_brief=1
        # Without a sound device first: the sound tests need the recording
        # one and come last.
        step "end-to-end tests under Wine ($arch)" "$runner" "$BUILD/win-$arch/memolux_e2e_tests.exe" \
            --gtest_brief=1 '--gtest_filter=-*HelpSoundDevice*'
    }
    wine_tests x86_64 wine64
    if wine_can_run_32bit; then
        wine32() { /usr/lib/wine/wine "$@"; }
        wine_tests i686 wine32
    else
        echo
        echo "=== i686 under Wine: not run: this kernel cannot execute 32-bit programs (built and checked only)"
    fi
    # From here on the session's programs have a sound device that records
    # what they play.
    if wine_session_sound_capture; then
        step "sound end-to-end tests under Wine (x86_64, recording device)" wine64_sound_capture \
            "$BUILD/win-x86_64/memolux_e2e_tests.exe" --gtest_brief=1 '--gtest_filter=*HelpSoundDevice*'
    else
        failures+=("recording sound device")
    fi
else
    failures+=("Wine session")
fi
wine_session_stop

echo
if [ ${#failures[@]} -eq 0 ]; then
    echo "ALL TESTS PASSED"
    exit 0
fi
echo "FAILED: ${failures[*]}"
exit 1
