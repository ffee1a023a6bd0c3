#!/bin/bash
# Builds Memolux and starts it under Wine, in build/run/, a folder that holds
# Config.prefs (the installed one, unless the folder already has its own).
#   scripts/run.sh [screenshot.png]
# With a display ($DISPLAY set) the program runs there until it is quit.
# Without one, a virtual display is started, the program runs for a few
# seconds, and a screenshot of the screen is written to the named file
# (default: memolux-screenshot.png); then everything is stopped.
# Set MEMOLUX_ARCH=i686 for the 32-bit build (needs a kernel that can run
# 32-bit programs).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ARCH=${MEMOLUX_ARCH:-x86_64}
SHOT=$(realpath -m "${1:-memolux-screenshot.png}")

"$ROOT/scripts/install_deps.sh"
cmake -S "$ROOT" -B "$ROOT/build/win-$ARCH" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$ARCH.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C "$ROOT/build/win-$ARCH" Memolux

RUN="$ROOT/build/run"
mkdir -p "$RUN"
cp "$ROOT/build/win-$ARCH/Memolux.exe" "$RUN/"
[ -e "$RUN/Config.prefs" ] || cp "$ROOT/resources/Config.prefs" "$RUN/"

. "$ROOT/scripts/wine_session.sh"
if [ "$ARCH" = i686 ]; then
    run_exe() { /usr/lib/wine/wine "$@"; }
else
    run_exe() { wine64 "$@"; }
fi

cd "$RUN"
if [ -n "${DISPLAY:-}" ]; then
    WINE_SESSION_USE_DISPLAY=1 wine_session_start
    run_exe Memolux.exe
else
    wine_session_start
    run_exe Memolux.exe &
    sleep 6
    import -window root "$SHOT"
    echo "Screenshot written to $SHOT"
fi
