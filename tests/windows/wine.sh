# Shared by the Windows test scripts: a private Wine prefix for each run, on
# top of xsession.sh's private X server. Callers start Xvfb first (Wine draws
# there) and call stop_wine before stop_xsession in their clean-up.

source "$(dirname "${BASH_SOURCE[0]}")/../realwindow/xsession.sh"

# Debian's wine64 without its recommends has no /usr/bin/wine wrapper.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
WINE_STARTED=

# start_wine DIR: makes a fresh prefix in DIR/prefix and keeps its server
# running until stop_wine. The .NET and HTML engines, which the program never
# needs, are not installed; Wine's own messages are off; shortcuts made in the
# prefix stay there, with no menu entry for the desktop outside.
start_wine() {
    local dir=$1
    [ -x "$WINE" ] || xsession_fail "no $WINE: install wine64"
    export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
    WINE_STARTED=1
    "$WINE" wineboot -i >"$dir/wineboot.log" 2>&1 \
        || xsession_fail "wineboot could not make a prefix: $(cat "$dir/wineboot.log")"
    # The prefix is complete once its server has written everything and ended.
    "$WINESERVER" -w
    # Persistent from here on, so that every process of the run shares it.
    "$WINESERVER" -p
}

stop_wine() {
    [ -n "$WINE_STARTED" ] || return 0
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    WINE_STARTED=
}

# windows_path PATH: the Windows name of a Linux path (drive Z:).
windows_path() {
    printf 'Z:%s\n' "$(realpath -m "$1" | tr / '\\')"
}
