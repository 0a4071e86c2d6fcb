# Sourced by the scripts that give tests a Wine prefix of their own, with their
# arguments: "start <prefix> ..." makes the prefix when it is missing; "stop <prefix>"
# ends its server and the script. The caller then writes its settings with
# own_prefix_settings and starts the server again with own_prefix_restart.
set -euo pipefail
own_prefix_action="$1"
export WINEPREFIX="$2"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Wine's server and services outlive the commands that start them: they must not
# hold on to the output of whoever runs the script, or it never sees the end.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

if [ "$own_prefix_action" = stop ]; then
    quiet wineserver -k || true
    exit 0
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    quiet wineboot -i || true
    quiet wineserver -w || true
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "$(basename "$0" .sh): no Wine prefix in $WINEPREFIX" >&2; exit 1; }

# Writes the registry file $1 and imports it: one virtual desktop, as in every test
# prefix, so that Wine does not wait for an absent window manager, then the caller's
# own keys from standard input.
own_prefix_settings() {
    {
        cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

REG
        cat
    } > "$1"
    # Z: is the root of the Unix file system in every prefix.
    quiet wine regedit /S "Z:${1//\//\\}"
}

# A fresh server, which reads the settings; it goes by itself a while after the last
# test process, if the stop step does not come. Its services and desktop start here,
# not with the test, whose output they would otherwise keep open until the server goes.
own_prefix_restart() {
    quiet wineserver -k || true
    quiet wineserver -w || true
    quiet wineserver -p30
    quiet wineboot || true
}
