# Sourced by the test and run scripts: a private Wine prefix and a virtual X
# display for the length of one script, torn down on every exit path.
#   wine_session_start   creates both (sets WINEPREFIX, DISPLAY, WINE_SESSION_DIR)
#   wine_session_stop    stops Wine and Xvfb and removes the prefix
#   wine_session_sound_capture, wine64_sound_capture: a recording sound
#                        device for tests of sound (below)
# Set WINE_SESSION_KEEP=1 to keep the folder to look at afterwards.

# Debian's /usr/bin/wine starts the 32-bit loader whenever wine32 is
# installed; 64-bit programs go straight to the 64-bit one.
WINE64=/usr/lib/wine/wine64
wine64() { "$WINE64" "$@"; }

wine_session_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then
        WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$WINEPREFIX" wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
        kill "$WINE_SESSION_XVFB_PID" >/dev/null 2>&1 || true
        wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        WINE_SESSION_XVFB_PID=
    fi
    if [ -n "${WINE_SESSION_DIR:-}" ] && [ -z "${WINE_SESSION_KEEP:-}" ]; then
        rm -rf "$WINE_SESSION_DIR"
    fi
}

wine_session_start() {
    WINE_SESSION_DIR=$(mktemp -d /tmp/memolux-wine.XXXXXX)
    export WINEPREFIX="$WINE_SESSION_DIR/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
    export WINEARCH=win64
    trap 'wine_session_stop' EXIT
    trap 'exit 130' INT TERM

    # With WINE_SESSION_USE_DISPLAY=1 and a display at hand, use it.
    if [ -n "${WINE_SESSION_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
        wine_session_prepare_prefix
        return
    fi
    # A display number nobody uses.
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_SESSION_XVFB_PID=$!
    export DISPLAY=":$n"
    local tries=0
    until [ -e "/tmp/.X11-unix/X$n" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then echo "Xvfb did not start" >&2; return 1; fi
        sleep 0.1
    done

    wine_session_prepare_prefix
    # Without a window manager Wine waits whenever a window is hidden,
    # unless its windows are unmanaged.
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
}

wine_session_prepare_prefix() {
    wine64 wineboot -i >/dev/null 2>&1
    # No sound device, whatever the machine has: programs run silent.
    wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1
    wineserver -w
}

# Gives the session a sound device that records instead of sounding: an
# ALSA "file" device that writes everything played into the file named by
# MEMOLUX_SOUND_CAPTURE (raw samples in the device's own format; silence
# all the time while a program has it open). Only programs started with
# wine64_sound_capture use it, as ALSA reads its setup from HOME.
wine_session_sound_capture() {
    WINE_SESSION_SOUND_HOME="$WINE_SESSION_DIR/sound-home"
    mkdir -p "$WINE_SESSION_SOUND_HOME" || return 1
    export MEMOLUX_SOUND_CAPTURE="$WINE_SESSION_DIR/sound-capture.raw"
    printf 'pcm.!default { type file; slave.pcm "null"; file "%s"; format "raw" }\n' \
        "$MEMOLUX_SOUND_CAPTURE" >"$WINE_SESSION_SOUND_HOME/.asoundrc" || return 1
    wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f >/dev/null 2>&1 || return 1
    wineserver -w
}
wine64_sound_capture() { HOME="$WINE_SESSION_SOUND_HOME" "$WINE64" "$@"; }

# True if this machine can run 32-bit Windows programs (needs a kernel that
# runs 32-bit Linux programs, for Wine's 32-bit loader).
wine_can_run_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}
