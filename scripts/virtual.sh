# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts and tests that need a virtual X server or Wine.

# The folder outside the tree where the Windows build keeps its Qt and Wine.
tolvera_cache() { echo "${TOLVERA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tolvera}"; }

# in_xvfb "SERVER OPTIONS" [--dbus] SCRIPT ARGS...
# Runs the script again inside a virtual X server of its own (and, with
# --dbus, a D-Bus session) and does not return; inside, it returns at once.
in_xvfb() {
    [ -z "${TOLVERA_IN_XVFB:-}" ] || return 0
    local server=$1
    shift
    local session=()
    if [ "$1" = --dbus ]; then
        session=(dbus-run-session --)
        shift
    fi
    TOLVERA_IN_XVFB=1 exec xvfb-run -a -s "$server" "${session[@]}" bash "$@"
}

# Wine with its own prefix in the cache, quiet, without the .NET and HTML
# engines it would offer to install; the prefix is made on first use.
use_wine() {
    export WINEPREFIX=${WINEPREFIX:-$(tolvera_cache)/wine}
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -d "$WINEPREFIX" ] || { wineboot --init >/dev/null 2>&1; wineserver -w; }
}
