#!/bin/bash
# Benchmark of Memolux against an empty window program built the same way:
# stripped sizes, peak resident memory after 30 s and CPU time over 60 s
# idle, both programs running at the same time in one Wine session on a
# virtual display; and the cost of one refresh of the portable path as a
# Google Benchmark run natively. Prints one table.
#
# Usage (as root on Debian 12; installs what is missing): scripts/bench.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# --- Set-up -----------------------------------------------------------------
packages="cmake ninja-build clang libbenchmark-dev googletest libgtest-dev
g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
wine wine64 xvfb x11-utils"
missing=""
for p in $packages; do
    if ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages and not root: install them first:$missing" >&2
        exit 1
    fi
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi

# --- Build --------------------------------------------------------------------
build_quietly() {
    local log=$1
    shift
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        echo "bench.sh: failed: $*" >&2
        exit 1
    fi
}
echo "Building (logs in build/bench-*.log) ..."
mkdir -p build
build_quietly build/bench-native.log cmake -S . -B build/bench-native -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release -DMEMOLUX_SANITIZE=OFF -DMEMOLUX_FUZZ=OFF
build_quietly build/bench-native.log cmake --build build/bench-native --target memolux_refresh_benchmark
for arch in i686 x86_64; do
    build_quietly "build/bench-$arch.log" cmake -S . -B "build/bench-$arch" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release
    build_quietly "build/bench-$arch.log" cmake --build "build/bench-$arch" --target Memolux memolux_empty_window
done

# --- Sizes --------------------------------------------------------------------
work=$(mktemp -d /tmp/memolux-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
stripped_size() {  # arch exe
    "$1-w64-mingw32-strip" -o "$work/stripped.exe" "$2"
    stat -c %s "$work/stripped.exe"
}
size_m_i686=$(stripped_size i686 build/bench-i686/Memolux.exe)
size_e_i686=$(stripped_size i686 build/bench-i686/memolux_empty_window.exe)
size_m_x64=$(stripped_size x86_64 build/bench-x86_64/Memolux.exe)
size_e_x64=$(stripped_size x86_64 build/bench-x86_64/memolux_empty_window.exe)

# --- Refresh cost, natively (before Wine starts, on a quieter machine) -------
echo
echo "Google Benchmark of one refresh (sample + four texts), 5 repetitions:"
build/bench-native/memolux_refresh_benchmark --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/refresh.csv" --benchmark_out_format=csv
# CPU time per iteration of the whole refresh, median of the repetitions, in ns.
refresh_ns=$(awk -F, '$1 == "\"refresh_median\"" && $5 == "ns" { print $4 }' "$work/refresh.csv")
if [ -z "$refresh_ns" ]; then
    echo "bench.sh: no refresh result in the benchmark output" >&2
    exit 1
fi

# --- Idle memory and CPU under Wine ------------------------------------------
# shellcheck source=scripts/wine_session.sh disable=SC1091
source "$root/scripts/wine_session.sh"
launched_pids=()
bench_cleanup() {
    local pid
    for pid in "${launched_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${launched_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    launched_pids=()
    rm -rf "$work"
}
echo
echo "Starting a Wine session ..."
wine_session_start
trap 'bench_cleanup; wine_session_stop' EXIT

# Keep the server and Wine's own services up, so that neither program pays
# for starting them.
wineserver -p
wine64 reg query 'HKCU\Software\Wine\X11 Driver' >/dev/null 2>&1

refresh_time=$(sed -n 's/^RefreshTime *= *\([0-9]*\).*/\1/p' resources/Config.prefs)
runs="x86_64"
if wine_can_run_32bit; then
    runs="i686 x86_64"
fi

# Starts one program in its own folder; its pid is the Linux process that
# hosts the Windows program (the loader replaces itself with it).
declare -A pid_of
launch() {  # arch key exe
    local arch=$1 key=$2 exe=$3
    local dir="$WINE_SESSION_DIR/$arch-$key"
    mkdir -p "$dir"
    cp "build/bench-$arch/$exe" "$dir/"
    if [ "$key" = memolux ]; then
        cp resources/Config.prefs "$dir/"
    fi
    local loader=/usr/lib/wine/wine64
    if [ "$arch" = i686 ]; then
        loader=/usr/bin/wine
    fi
    (cd "$dir" && exec "$loader" "$exe") &
    pid_of[$arch-$key]=$!
    launched_pids+=("$!")
}
check_host() {  # run-key exe
    local pid=${pid_of[$1]}
    if [ ! -r "/proc/$pid/cmdline" ] || ! tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qi "$2"; then
        echo "bench.sh: $1 ($2) is not running as pid $pid" >&2
        exit 1
    fi
}
cpu_ms() {  # pid: utime + stime of all its threads, in ms
    awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / hz }' "/proc/$1/stat"
}
status_kb() {  # pid field
    awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"
}

t_launch=$(date +%s.%N)
for arch in $runs; do
    launch "$arch" memolux Memolux.exe
    launch "$arch" empty memolux_empty_window.exe
done

# Start-up is over when every window is on the display.
expected=0
for arch in $runs; do expected=$((expected + 2)); done
for _ in $(seq 1 200); do
    shown=$(xwininfo -root -tree 2>/dev/null |
        grep -cE '"(Memolux|Empty window)": \("(memolux|memolux_empty_window)\.exe"' || true)
    [ "$shown" -ge "$expected" ] && break
    sleep 0.1
done
if [ "$shown" -lt "$expected" ]; then
    echo "bench.sh: only $shown of $expected windows appeared" >&2
    xwininfo -root -tree >&2 || true
    exit 1
fi
sleep 1
declare -A cpu0 cpu1 hwm rss
for arch in $runs; do
    for key in memolux empty; do
        cpu0[$arch-$key]=$(cpu_ms "${pid_of[$arch-$key]}")
    done
done
t_cpu0=$(date +%s.%N)
echo "Programs started in $(awk -v a="$t_launch" -v b="$t_cpu0" 'BEGIN { printf "%.1f", b - a }') s; measuring for 60 s ..."

# Peak resident memory 30 s after the launch.
sleep "$(awk -v a="$t_launch" -v b="$(date +%s.%N)" 'BEGIN { d = 30 - (b - a); print (d > 0 ? d : 0) }')"
for arch in $runs; do
    check_host "$arch-memolux" Memolux.exe
    check_host "$arch-empty" memolux_empty_window.exe
    for key in memolux empty; do
        hwm[$arch-$key]=$(status_kb "${pid_of[$arch-$key]}" VmHWM)
        rss[$arch-$key]=$(status_kb "${pid_of[$arch-$key]}" VmRSS)
    done
done

# CPU time over 60 s idle.
sleep "$(awk -v a="$t_cpu0" -v b="$(date +%s.%N)" 'BEGIN { d = 60 - (b - a); print (d > 0 ? d : 0) }')"
for arch in $runs; do
    check_host "$arch-memolux" Memolux.exe
    check_host "$arch-empty" memolux_empty_window.exe
    for key in memolux empty; do
        cpu1[$arch-$key]=$(cpu_ms "${pid_of[$arch-$key]}")
    done
done
t_cpu1=$(date +%s.%N)
idle_s=$(awk -v a="$t_cpu0" -v b="$t_cpu1" 'BEGIN { printf "%.1f", b - a }')
bench_cleanup

# --- Table --------------------------------------------------------------------
row() {  # label memolux empty goal(ratio limit or -)
    awk -v l="$1" -v m="$2" -v e="$3" -v g="$4" 'BEGIN {
        r = (e > 0) ? sprintf("%.2f", m / e) : "-"
        if (g == "-") { goal = "-" }
        else { goal = sprintf("<= %.2f  %s", g, (e > 0 && m / e <= g) ? "met" : "MISSED") }
        printf "%-38s %12s %14s %7s   %s\n", l, m, e, r, goal
    }'
}
echo
echo "Memolux against the empty window (Wine $(wine64 --version 2>/dev/null | sed 's/^wine-//'), Xvfb;"
echo "Memolux with RefreshTime = $refresh_time ms from resources/Config.prefs; wineserver not counted)"
printf "%-38s %12s %14s %7s   %s\n" "" "Memolux" "empty window" "ratio" "goal"
row "stripped size i686 (bytes)" "$size_m_i686" "$size_e_i686" -
row "stripped size x86_64 (bytes)" "$size_m_x64" "$size_e_x64" -
for arch in i686 x86_64; do
    if [[ " $runs " == *" $arch "* ]]; then
        row "peak resident $arch at 30 s (KiB)" "${hwm[$arch-memolux]}" "${hwm[$arch-empty]}" 1.10
        row "resident $arch at 30 s (KiB)" "${rss[$arch-memolux]}" "${rss[$arch-empty]}" -
        row "CPU $arch over $idle_s s idle (ms)" \
            "$(awk -v a="${cpu0[$arch-memolux]}" -v b="${cpu1[$arch-memolux]}" 'BEGIN { print b - a }')" \
            "$(awk -v a="${cpu0[$arch-empty]}" -v b="${cpu1[$arch-empty]}" 'BEGIN { print b - a }')" 1.10
    else
        printf "%-38s %s\n" "peak resident, CPU $arch" "not run: this machine cannot run 32-bit Windows programs"
    fi
done
awk -v ns="$refresh_ns" 'BEGIN {
    printf "%-38s %12.2f us of CPU, median of 5   goal < 20 us  %s\n",
           "refresh (sample + four texts), native", ns / 1000, (ns < 20000) ? "met" : "MISSED"
}'
