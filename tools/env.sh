# Shared environment of the setup, run and test scripts (sourced, not run).
export WINEPREFIX="${TRIVANE_WINEPREFIX:-$HOME/.cache/trivane/wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
