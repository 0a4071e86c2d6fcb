# Sourced by the run and test scripts: a virtual X display when none is given, and a
# persistent wineserver, both stopped again by stop_wine_session.
start_wine_session() {
    started_xvfb=""
    if [ -z "${DISPLAY:-}" ] || [ "${TRIVANE_FORCE_XVFB:-}" = 1 ]; then
        local n=90
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        started_xvfb=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    wineserver -p 2>/dev/null || true  # one may be running already
    # The prefix's virtual desktop lives in an explorer process that outlasts the
    # program which first needs it; started here, it holds none of the test runner's
    # output pipes open.
    wine explorer /desktop=Default,1280x1024 >/dev/null 2>&1 </dev/null &
    sleep 1
}

stop_wine_session() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -n "${started_xvfb:-}" ]; then
        kill "$started_xvfb" 2>/dev/null || true
        wait "$started_xvfb" 2>/dev/null || true
    fi
}
