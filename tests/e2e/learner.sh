#!/usr/bin/env bash
# Drives the built program under a real X server as a learner does: chooses
# model 1, steps its counts to the answer with double clicks and keys, presses
# "Αποδοχή", closes the verdict, and checks by window titles and geometry that
# the viewer stands beside the main window and the group card has the size its
# cards give; "ΕΞΟΔΟΣ" then ends the program with status 0.
#
# Usage: learner.sh PROGRAM PICTURES_DIR [SCREENSHOTS_DIR]   (inside xvfb-run)
# With a third argument it also takes screenshots of the two moments.
set -euo pipefail
program=$1
pictures=$2
shots=${3:-}
export LC_ALL=C.UTF-8

fail() { echo "FAIL: $*" >&2; exit 1; }

# Saves the screen's region X Y W H as a picture in the screenshots folder.
screenshot() {
    [[ -n $shots ]] || return 0
    sleep 0.3
    import -window root -crop "${3}x${4}+${1}+${2}" +repage "$shots/$5"
}

# The id of the visible window whose title matches, waiting up to 10 s.
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1 || true; }

# "X Y W H" of a window: its place on the screen and its size.
geometry() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/ { printf "%s ", $2 } END { print "" }'
}

# A point on the main window's client area, in pixels.
at() { echo $((main_x + $1)) $((main_y + $2)); }
# (No --sync on mousemove: it waits for ever when the pointer is there already.)
point() { xdotool mousemove $(at "$1" "$2"); sleep 0.05; }
click() { point "$1" "$2"; xdotool click 1; }
# Two clicks within the double-click time, then a pause longer than it, so
# that the next pair is a double click of its own.
double_click() { point "$1" "$2"; xdotool click --repeat 2 --delay 40 1; sleep 0.5; }

# Count box k's middle; the boxes stand 40 pixels apart from y 40.
box_x=108
box_y() { echo $((40 * ($1 + 1) + 16)); }

cd "$pictures"
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(window '^Vornath$')
[[ -n $main ]] || fail "the main window did not show"
read -r main_x main_y main_w main_h < <(geometry "$main")
[[ "$main_w $main_h" == "320 683" ]] || fail "main window is ${main_w}x${main_h}, not 320x683"

# Choose "Ξύλινο μοντέλο 01", the list's first entry.
click 200 168
viewer=$(window 'Μοντέλο κρυστάλλου εξάσκησης')
[[ -n $viewer ]] || fail "the model viewer did not show"
read -r viewer_x viewer_y viewer_w viewer_h < <(geometry "$viewer")
# A 300 x 240 picture: 300 * 15 + 100 and 240 * 15 + 500 twips, at 15 twips a pixel.
[[ "$viewer_w $viewer_h" == "307 273" ]] || fail "viewer is ${viewer_w}x${viewer_h}, not 307x273"
# At the top, 10 twips right of the main window's outer edge.
[[ "$viewer_y" == 0 && "$viewer_x" == $((main_x + main_w + 1)) ]] || fail "viewer at $viewer_x,$viewer_y"

# Model 1's answer is 0106000000001016: step with double clicks...
double_click $box_x "$(box_y 1)"
for _ in 1 2 3 4 5 6; do double_click $box_x "$(box_y 3)"; done
double_click $box_x "$(box_y 12)"
for _ in 1 2 3 4 5 6; do double_click $box_x "$(box_y 15)"; done
# ...and with keys: Tab from count box 13 into count box 14 selects its 0.
click $box_x "$(box_y 13)"
xdotool key --delay 50 Tab 1

screenshot 0 0 $((viewer_x + viewer_w)) "$main_h" main-and-viewer.png

# "Αποδοχή"; the verdict box is the second window titled "Vornath".
click 232 124
verdict=""
for _ in $(seq 50); do
    verdict=$(xdotool search --onlyvisible --name '^Vornath$' | grep -vx "$main" | head -n 1 || true)
    [[ -n $verdict ]] && break
    sleep 0.1
done
[[ -n $verdict ]] || fail "no verdict was shown"
xdotool windowfocus --sync "$verdict" key Return

# The right answer brings the group card of class 20: a 1024 x 228 system card
# above a 1019 x 368 class card.
card=$(window 'Κάρτα Ομάδας  - Ardelvo')
[[ -n $card ]] || fail "the group card did not show: the answer was judged wrong"
read -r _ _ card_w card_h < <(geometry "$card")
[[ "$card_w $card_h" == "1035 641" ]] || fail "group card is ${card_w}x${card_h}, not 1035x641"

read -r card_x card_y _ _ < <(geometry "$card")
# With no window manager the group card opens where the viewer stands; the
# picture of it wants the viewer out of the way.
[[ -z $shots ]] || xdotool windowunmap --sync "$viewer"
screenshot "$card_x" "$card_y" "$card_w" "$card_h" group-card.png

# "ΕΞΟΔΟΣ" ends the program at once, with status 0.
click 232 648
status=0
timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end"
wait "$pid" || status=$?
trap - EXIT
[[ $status == 0 ]] || fail "the program ended with status $status"
echo "1 passed, 0 failed"
