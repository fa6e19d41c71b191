# Shared by the scripts that drive the real program under Xvfb: a private X
# server, the program started from its own folder, and its window found by
# title. Callers set a trap that calls stop_xsession.

XSESSION_XVFB_PID=
XSESSION_PROGRAM_PID=

# The caller's locale must not change what the tools see: in the C locale,
# which a bare Debian without LANG runs in, xdotool cannot match a title that
# holds "ä". C.UTF-8 comes with Debian's C library (libc-bin).
export LC_ALL=C.UTF-8
unset LANGUAGE

xsession_fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

# start_xvfb DIR: starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
    local dir=$1
    [ "$(locale charmap 2>/dev/null)" = UTF-8 ] || xsession_fail "the locale C.UTF-8 is missing; it comes with libc-bin"
    : >"$dir/display"
    # -noreset: the server stays up when its last client leaves, so that a
    # program started right after another one ended finds it.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    XSESSION_XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 200; ++tries)); do
        # Xvfb writes the display number and a newline once it accepts clients.
        [ "$(wc -l <"$dir/display")" -ge 1 ] && break
        kill -0 "$XSESSION_XVFB_PID" 2>/dev/null \
            || xsession_fail "Xvfb ended before it was ready: $(cat "$dir/xvfb.log")"
        sleep 0.05
    done
    [ "$(wc -l <"$dir/display")" -ge 1 ] || xsession_fail "Xvfb gave no display number within 10 s"
    export DISPLAY=":$(head -n 1 "$dir/display")"
    mkdir -p -m 0700 "$dir/runtime"
    export XDG_RUNTIME_DIR="$dir/runtime"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}

# start_program PROGRAM LOG: starts the program with its own folder as the
# working directory, where it finds its pictures.
start_program() {
    local program=$1 log=$2
    [ -x "$program" ] || xsession_fail "no program at $program"
    start_in_folder "$(dirname "$program")" "$log" "$program"
}

# start_in_folder FOLDER LOG COMMAND [ARGUMENT...]: starts COMMAND, found on
# PATH, with FOLDER as the working directory, as a desktop entry's Path= does.
start_in_folder() {
    local folder=$1 log=$2
    shift 2
    (cd "$folder" && exec "$@") >"$log" 2>&1 </dev/null &
    XSESSION_PROGRAM_PID=$!
}

# find_window TITLE: prints the id of the one visible window with exactly that
# title; Qt's unmapped leader window of the same name is skipped.
find_window() {
    local title=$1 ids tries
    for ((tries = 0; tries < 400; ++tries)); do
        ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
        [ -n "$ids" ] && break
        kill -0 "$XSESSION_PROGRAM_PID" 2>/dev/null || xsession_fail "the program ended before its window showed"
        sleep 0.05
    done
    [ -n "$ids" ] || xsession_fail "no visible window titled '$title' within 20 s"
    [ "$(wc -l <<<"$ids")" -eq 1 ] || xsession_fail "more than one visible window titled '$title': $ids"
    printf '%s\n' "$ids"
}

# wait_for_exit SECONDS: waits for the program to end and sets PROGRAM_EXIT_CODE.
wait_for_exit() {
    local seconds=$1 tries
    for ((tries = 0; tries < seconds * 20; ++tries)); do
        kill -0 "$XSESSION_PROGRAM_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$XSESSION_PROGRAM_PID" 2>/dev/null && xsession_fail "the program still runs $seconds s after it was asked to close"
    PROGRAM_EXIT_CODE=0
    wait "$XSESSION_PROGRAM_PID" || PROGRAM_EXIT_CODE=$?
    XSESSION_PROGRAM_PID=
}

stop_xsession() {
    if [ -n "$XSESSION_PROGRAM_PID" ]; then
        kill "$XSESSION_PROGRAM_PID" 2>/dev/null || true
        wait "$XSESSION_PROGRAM_PID" 2>/dev/null || true
    fi
    if [ -n "$XSESSION_XVFB_PID" ]; then
        kill "$XSESSION_XVFB_PID" 2>/dev/null || true
        wait "$XSESSION_XVFB_PID" 2>/dev/null || true
    fi
    XSESSION_PROGRAM_PID= XSESSION_XVFB_PID=
}

# toolbar_height SHOT: the toolbar height T, read from a picture of the whole
# window. Down the middle of column 1 of segment 0 the first run of the off
# pixel colour (gruen.bmp) is the inside of the picture of row 1, centred on
# its toggle, whose top is T + 60. Prints T, or nothing while no such run is in
# the picture (the window may not have painted yet).
toolbar_height() {
    local shot=$1 x=$((20 + 15 + 9))
    /usr/bin/convert "$shot" -crop "1x250+$x+0" +repage -depth 8 txt:- | awk -v off='#9CCF1E' '
        /^#/ || last != "" { next }
        { split($1, at, /[,:]/); y = at[2] + 0; colour = $3 }
        colour == off && first == "" { first = y }
        colour != off && first != "" { last = y - 1 }
        END {
            if (first == "" || last == "") exit
            # centre of the run = toggle top + 8.5 = T + 68.5
            twice = first + last - 137
            if (twice % 2 == 0) print twice / 2
        }'
}

# find_picture SHOT REGION PICTURE: where PICTURE (an icon with alpha) shows in
# REGION ("WxH+X+Y") of SHOT. Only the fully opaque pixels of the picture are
# compared, and they must match exactly: what shines through the others
# depends on the background. Prints "X Y" of the top-left corner of each
# match, in SHOT's coordinates, one a line. Leaves scratch files beside SHOT.
find_picture() {
    local shot=$1 region=$2 picture=$3 size
    /usr/bin/convert "$shot" -crop "$region" +repage -depth 8 "rgb:$shot.region.rgb"
    /usr/bin/convert "$picture[0]" -depth 8 "rgba:$shot.picture.rgba"
    size=$(/usr/bin/identify -format '%w %h' "$picture[0]")
    /usr/bin/python3 - "$shot.region.rgb" "$region" "$shot.picture.rgba" $size <<'PYTHON'
import re
import sys

region_file, region, picture_file, width, height = sys.argv[1:6]
width, height = int(width), int(height)
region_width, region_height, left, top = map(int, re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", region).groups())
pixels = open(region_file, "rb").read()
picture = open(picture_file, "rb").read()
if len(pixels) != region_width * region_height * 3 or len(picture) != width * height * 4:
    sys.exit(f"find_picture: region {region} or picture {width}x{height} does not fit its pixel data")
opaque = [(x, y, picture[(y * width + x) * 4:(y * width + x) * 4 + 3])
          for y in range(height) for x in range(width) if picture[(y * width + x) * 4 + 3] == 255]
if not opaque:
    sys.exit("find_picture: the picture has no opaque pixel to look for")
for y0 in range(region_height - height + 1):
    for x0 in range(region_width - width + 1):
        for x, y, colour in opaque:
            at = ((y0 + y) * region_width + x0 + x) * 3
            if pixels[at:at + 3] != colour:
                break
        else:
            print(left + x0, top + y0)
PYTHON
}
