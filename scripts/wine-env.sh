# Wine environment for running Tivrel.exe and its UI driver; source it, do not execute it.
#
#   . scripts/wine-env.sh
#   tivrel_host_refuses_i386 && echo "$TIVREL_I386_REFUSAL"   # Wine cannot start on this host
#   tivrel_wine_prefix        # create the cached 32-bit prefix once
#   tivrel_virtual_display    # start Xvfb unless a display is given; sets DISPLAY
#   trap tivrel_wine_cleanup EXIT
#
# TIVREL_WINEPREFIX overrides the prefix location; TIVREL_USE_DISPLAY=1 keeps the caller's $DISPLAY;
# TIVREL_I386_PROBE names another program for tivrel_host_refuses_i386 to start (its tests).

export WINEARCH=win32
export WINEDEBUG=-all
export WINEPREFIX="${TIVREL_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tivrel-wine32}"

TIVREL_XVFB_PID=""
TIVREL_I386_REFUSAL=""

# True when the kernel refuses to execute 32-bit x86 programs (32-bit emulation switched off, or
# a virtual machine without it), so that Wine cannot start at all; TIVREL_I386_REFUSAL then says
# so in one sentence. Found by starting Wine's own 32-bit loader: the kernel's refusal is ENOEXEC,
# which the shell reports as status 126 with "Exec format error". Anything else (the loader runs,
# is missing, crashes) is no refusal: the caller goes on and meets it as the failure it is.
tivrel_host_refuses_i386() {
    local probe="${TIVREL_I386_PROBE:-wine}" said status
    said=$(LC_ALL=C "$probe" --version 2>&1 >/dev/null </dev/null)
    status=$?
    TIVREL_I386_REFUSAL=""
    if [ "$status" -eq 126 ] && [[ "$said" == *"Exec format error"* ]]; then
        TIVREL_I386_REFUSAL="this host's kernel refuses to execute 32-bit x86 programs (\"$probe --version\": Exec format error), so Wine cannot start"
        return 0
    fi
    return 1
}

# Creates the prefix on first use. Several callers may start at once (ctest -j, two scripts),
# so creation runs under a lock and a marker file says the prefix is complete.
tivrel_wine_prefix() {
    local marker="$WINEPREFIX/.tivrel-prefix-ready"
    [ -f "$marker" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock -w 600 9 || { echo "wine-env: timed out waiting for the prefix lock" >&2; exit 1; }
        [ -f "$marker" ] && exit 0
        echo "wine-env: creating the Wine prefix $WINEPREFIX (once)" >&2
        rm -rf "$WINEPREFIX"
        # No Mono or Gecko installers: the program needs neither .NET nor the HTML engine.
        WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="" wineboot -i </dev/null >/dev/null 2>&1
        # Without a window manager, a managed window makes Wine wait about 2 s on every hide and exit.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
            </dev/null >/dev/null 2>&1
        wineserver -w
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            echo "wine-env: wineboot did not create $WINEPREFIX" >&2
            exit 1
        fi
        touch "$marker"
    ) 9>"$WINEPREFIX.lock"
}

# Uses $DISPLAY when TIVREL_USE_DISPLAY is set; otherwise starts Xvfb on the first free display
# number from :91 and exports DISPLAY. The caller's trap on tivrel_wine_cleanup stops it.
tivrel_virtual_display() {
    if [ -n "${TIVREL_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        TIVREL_XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$TIVREL_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        # Lost a race for this number, or Xvfb failed: try the next one.
        kill "$TIVREL_XVFB_PID" 2>/dev/null
        wait "$TIVREL_XVFB_PID" 2>/dev/null
        TIVREL_XVFB_PID=""
    done
    echo "wine-env: no free display number for Xvfb" >&2
    return 1
}

# Ends the wineserver of this prefix (and with it every Wine process in it) and the Xvfb we started.
tivrel_wine_cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$TIVREL_XVFB_PID" ]; then
        kill "$TIVREL_XVFB_PID" 2>/dev/null || true
        wait "$TIVREL_XVFB_PID" 2>/dev/null || true
        TIVREL_XVFB_PID=""
    fi
}
