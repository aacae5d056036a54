#!/usr/bin/env bash
# Drives the built program under a real X server as a learner does, with the
# mouse and the keyboard: picks model 1 by pressing on another entry and
# dragging to it, enters its counts by clicking into each box and typing,
# presses "Αποδοχή" and closes the verdict; restarts and steps the counts to the
# answer again with double clicks. On the way it checks, by the window
# manager's frames, that the main window stands at the screen's top-left
# corner, that the viewer stands at the top just right of it at the outer size
# its picture gives (also when made anew after the learner closed it), and that
# the group card has the outer size its cards give. "ΕΞΟΔΟΣ" then ends the
# program with status 0.
#
# Usage (inside xvfb-run): learner.sh [--wm MANAGER] [--shots DIR] PROGRAM PICTURES_DIR
#   --wm     start this window manager first (openbox, icewm, ...); without it
#            the windows have no frames
#   --shots  also take screenshots of the main window with the viewer and of
#            the group card into DIR
set -euo pipefail
wm="" shots=""
while [[ $1 == --* ]]; do
    case $1 in
    --wm) wm=$2 ;;
    --shots) shots=$2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
program=$1
pictures=$2
export LC_ALL=C.UTF-8

fail() { echo "FAIL: $*" >&2; echo "0 passed, 1 failed"; exit 1; }

# Waits up to 10 s for a command to succeed.
await() {
    local _
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

if [[ -n $wm ]]; then
    "$wm" >/dev/null 2>&1 &
    wm_pid=$!
    # The manager is up once it has named itself on the root window.
    await bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "$wm did not start"
fi

# The id of the visible window whose title matches, waiting up to 10 s.
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1 || true; }

# "X Y W H" of a window's outer frame as the window manager gives it: the
# client area widened by _NET_FRAME_EXTENTS (none without a manager).
frame() {
    local x y w h left=0 right=0 top=0 bottom=0 extents
    read -r x y w h < <(xwininfo -id "$1" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [[ -n $extents ]] && IFS=', ' read -r left right top bottom <<<"$extents"
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

# Whether a window has been framed (always, without a manager).
framed() { [[ -z $wm ]] || xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

# Waits until a window's frame is "X Y W H" (a place or size of "*" is not
# checked); fails naming what it is instead.
expect_frame() {
    local id=$1 want=$2 what=$3 got=""
    for _ in $(seq 50); do
        if framed "$id"; then
            got=$(frame "$id")
            # shellcheck disable=SC2053
            [[ $got == $want ]] && return 0
        fi
        sleep 0.1
    done
    fail "$what: outer frame is ${got:-not there} (x y w h), not $want"
}

# Twips to pixels as the program rounds them: to the nearest, halves up.
pixels() { echo $(((2 * $1 + 15) / 30)); }

# Points on the main window's client area, in pixels from its top-left corner.
at() { echo $((client_x + $1)) $((client_y + $2)); }
# (No --sync on mousemove: it waits for ever when the pointer is there already.)
point() { xdotool mousemove $(at "$1" "$2"); sleep 0.05; }
click() { point "$1" "$2"; xdotool click 1; }
# Two clicks within the double-click time, then a pause longer than it, so
# that the next pair is a double click of its own.
double_click() { point "$1" "$2"; xdotool click --repeat 2 --delay 40 1; sleep 0.5; }

# Count box k's middle: the boxes stand 40 pixels apart from y 40.
box_x=108
box_y() { echo $((40 * ($1 + 1) + 16)); }
# Model list entry p's middle: the list starts at y 160, an entry is 16 pixels high.
list_x=200
entry_y() { echo $((160 + 16 * $1 + 8)); }

# Clicks into count box k and types the count, selecting nothing first.
type_count() {
    click $box_x "$(box_y "$1")"
    xdotool type --delay 30 "$2"
}

# Presses "Αποδοχή" and closes the verdict that follows with Return.
accept() {
    click 232 124
    local verdict=""
    for _ in $(seq 50); do
        verdict=$(xdotool search --onlyvisible --name '^Vornath$' | grep -vx "$main" | head -n 1 || true)
        [[ -n $verdict ]] && break
        sleep 0.1
    done
    [[ -n $verdict ]] || fail "no verdict was shown"
    xdotool windowactivate --sync "$verdict" key Return 2>/dev/null ||
        xdotool windowfocus --sync "$verdict" key Return
    await bash -c "! xdotool search --onlyvisible --name '^Vornath$' | grep -qx $verdict" ||
        fail "the verdict did not close"
}

# Model 1's answer is 0106000000001016: a right answer brings the group card
# of class 20, a 1024 x 228 system card above a 1019 x 368 class card:
# 1024 * 15 + 60 + 100 twips wide, (228 + 368) * 15 + 2 * 60 + 550 high.
answer=0106000000001016
card_w=$(pixels $((1024 * 15 + 60 + 100)))
card_h=$(pixels $(((228 + 368) * 15 + 120 + 550)))
expect_card() {
    local card
    card=$(window 'Κάρτα Ομάδας  - Ardelvo')
    [[ -n $card ]] || fail "the group card did not show: the answer was judged wrong"
    expect_frame "$card" "* * $card_w $card_h" "group card"
    echo "$card"
}

cd "$pictures"
"$program" &
pid=$!
trap 'kill $pid ${wm_pid:-} 2>/dev/null || true' EXIT

main=$(window '^Vornath$')
[[ -n $main ]] || fail "the main window did not show"
expect_frame "$main" "0 0 *" "main window"
read -r main_x main_y main_w main_h < <(frame "$main")
read -r client_x client_y client_w client_h < <(xwininfo -id "$main" |
    awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
         /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
[[ "$client_w $client_h" == "320 683" ]] || fail "main window's client area is ${client_w}x${client_h}, not 320x683"

# The viewer of a 300 x 240 picture: 300 * 15 + 100 by 240 * 15 + 500 twips,
# at the top, 10 twips right of the main window's outer right edge.
viewer_frame="$(pixels $((15 * (main_x + main_w) + 10))) 0 $(pixels $((300 * 15 + 100))) $(pixels $((240 * 15 + 500)))"

# Press on "Ξύλινο μοντέλο 03", drag to "Ξύλινο μοντέλο 01" and let go there.
point $list_x "$(entry_y 2)"
xdotool mousedown 1
for p in 1 0; do point $list_x "$(entry_y $p)"; sleep 0.1; done
xdotool mouseup 1
viewer=$(window 'Μοντέλο κρυστάλλου εξάσκησης')
[[ -n $viewer ]] || fail "the model viewer did not show"
expect_frame "$viewer" "$viewer_frame" "viewer"

if [[ -n $wm ]]; then
    # Closed by the learner, it is made anew by the next choice, at its place and size.
    wmctrl -i -c "$viewer"
    await bash -c "! xdotool search --onlyvisible --name 'Μοντέλο κρυστάλλου εξάσκησης' | grep -q ." ||
        fail "the viewer did not close"
    click $list_x "$(entry_y 0)"
    viewer=$(window 'Μοντέλο κρυστάλλου εξάσκησης')
    [[ -n $viewer ]] || fail "the model viewer did not show again"
    expect_frame "$viewer" "$viewer_frame" "viewer made anew"
fi

# Click into each count box and type its count over the 0 it holds.
for k in $(seq 0 15); do type_count "$k" "${answer:k:1}"; done
read -r viewer_x _ viewer_w _ < <(frame "$viewer")
if [[ -n $shots ]]; then
    sleep 0.3
    import -window root -crop "$((viewer_x + viewer_w))x$((main_y + main_h))+0+0" +repage "$shots/main-and-viewer.png"
fi
accept
card=$(expect_card)
# Without a window manager the card opens at the screen's corner, over the main window.
[[ -n $wm ]] || xdotool windowmove --sync "$card" 600 0

# "Επανεκκίνηση" takes the card away; double clicks step the counts to the
# answer once more (and Tab from count box 13 into 14 selects its 0 for a key).
click 232 64
await bash -c "! xdotool search --onlyvisible --name 'Κάρτα Ομάδας' | grep -q ." || fail "restart left the group card"
double_click $box_x "$(box_y 1)"
for _ in 1 2 3 4 5 6; do double_click $box_x "$(box_y 3)"; done
double_click $box_x "$(box_y 12)"
for _ in 1 2 3 4 5 6; do double_click $box_x "$(box_y 15)"; done
click $box_x "$(box_y 13)"
xdotool key --delay 50 Tab 1
accept
card=$(expect_card)

if [[ -n $shots ]]; then
    read -r card_x card_y _ _ < <(frame "$card")
    sleep 0.3
    import -window root -crop "${card_w}x${card_h}+${card_x}+${card_y}" +repage "$shots/group-card.png"
fi

# "ΕΞΟΔΟΣ" ends the program at once, with status 0.
click 232 648
status=0
timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end"
wait "$pid" || status=$?
[[ $status == 0 ]] || fail "the program ended with status $status"
echo "1 passed, 0 failed"
