#!/usr/bin/env bash
# Drives the built program under a real X server as a learner does, with the
# mouse and the keyboard, and checks what the learner sees.
#
# Choosing: a press on one list entry dragged to another picks model 1; model
# 05, whose picture is damaged, hides the viewer and says so in one line on
# standard error; a Shift+click picks model 02 like a click; a Ctrl+click on the
# highlighted entry keeps it chosen and picks it again, which puts back the
# viewer that the learner had moved. The viewer stands at the top just right of
# the main window (which stands at the screen's corner), at the outer size its
# picture gives, also when made anew after the learner closed it.
#
# Round one: a click into each count box and the count typed over its 0 (one
# box also visited by its context menu, whose closing leaves the caret where it
# was); "Αποδοχή" judges it right and the group card comes at the outer size
# its cards give. The learner selects the result box's text by pressing and
# dragging and types the answer over it; Return on "Αποδοχή", reached with
# Tab, judges it right again; the keypad's Enter on "Επανεκκίνηση" clears the
# counts and takes the card away. Round two: double clicks step the counts to
# the answer; under a window manager the card then comes back where the learner
# had dragged it. Every window carries the application's icon. "ΕΞΟΔΟΣ" ends
# the program with status 0, and nothing but the one line went to standard error.
#
# Usage (inside xvfb-run, with the server's key repeat off: -s "-screen 0 1600x1200x24 -r"):
#   learner.sh [--wm MANAGER] [--shots DIR] [--skip CHECKS] PROGRAM PICTURES_DIR
#   --wm     start this window manager first (openbox, icewm, ...); without it
#            the windows have no frames
#   --shots  also take screenshots of the main window with the viewer and of
#            the group card into DIR
#   --skip   leave out these checks, comma-separated: damaged-picture,
#            list-modifiers, menu-focus, result-drag, enter-keys, icons (the
#            drill then takes the plain road there)
set -euo pipefail
wm="" shots="" skip=""
while [[ ${1:-} == --* ]]; do
    case $1 in
    --wm) wm=$2 ;;
    --shots) shots=$2 ;;
    --skip) skip=$2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
pictures=$(cd "$2" && pwd)
export LC_ALL=C.UTF-8

# Whether a check is made, not left out with --skip.
checking() { [[ ",$skip," != *",$1,"* ]]; }

# The program runs in a scratch folder with its pictures, its standard error
# going to a file, and a runtime folder of its own as a desktop session gives.
scratch=$(mktemp -d)
errors=$scratch/stderr
: >"$errors"

# The drill's own output goes to descriptors 3 and 4, which stay with it also
# where a wait discards what a check prints.
exec 3>&1 4>&2
fail() {
    echo "FAIL: $*" >&4
    [[ -s $errors ]] && { echo "The program's standard error:" >&4; head -n 20 "$errors" >&4; }
    echo "0 passed, 1 failed" >&3
    exit 1
}

# Every wait polls cheaply until what it waits for has come. Its limit only
# guards against a hang, far beyond what a busy machine needs: when it runs out,
# the drill fails naming what it waited for and, where the check left it in
# $seen, what there was instead.
# A wait while the program should be running fails at once if it has ended.
guard=60
await() {
    local what=$1 deadline=$((SECONDS + guard)) status=0
    shift
    seen=""
    until "$@" >/dev/null 2>&1; do
        if [[ -n ${should_run:-} ]] && ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" || status=$?
            fail "the program ended, with status $status, while the drill waited for $what"
        fi
        ((SECONDS < deadline)) || fail "waited $guard s for $what${seen:+; $seen}"
        sleep 0.1
    done
}
not() { ! "$@"; }

if [[ -n $wm ]]; then
    "$wm" >/dev/null 2>&1 &
    wm_pid=$!
    # The manager is up once it has named itself on the root window.
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
    await "$wm to start" wm_running
fi

# Sets $found to a visible window whose title matches the pattern.
visible() { found=$(xdotool search --onlyvisible --name "$1" | head -n 1) && [[ -n $found ]]; }
# Whether a window is on the screen (mapped, with every window it sits in).
on_screen() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Each of the program's windows carries the application's icon. Checked only
# without a window manager, which may put its own on a window that has none
# (openbox does).
expect_icon() {
    checking icons && [[ -z $wm ]] || return 0
    xprop -len 16 -id "$1" _NET_WM_ICON | grep -q ' = ' || fail "$2 carries no icon: _NET_WM_ICON has no value"
}

# Waits for the window whose title matches and sets $found to it; checks its icon.
find_window() {
    await "$2" visible "$1"
    expect_icon "$found" "$2"
}

# "X Y W H" of a window's outer frame as the window manager gives it (the
# client area widened by _NET_FRAME_EXTENTS, none without a manager), then the
# frame's top (title bar and border). Fails if the window is not on the screen.
frame() {
    local info x y w h left=0 right=0 top=0 bottom=0 extents
    info=$(xwininfo -id "$1" 2>/dev/null) && [[ $info == *"Map State: IsViewable"* ]] || return 1
    read -r x y w h < <(awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [[ -n $extents ]] && IFS=', ' read -r left right top bottom <<<"$extents"
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom)) "$top"
}

# Whether a window has been framed (always, without a manager).
framed() { [[ -z $wm ]] || xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

# Whether a window's outer frame is "X Y W H" ("*" matches any value); fails
# the drill at once if the window has left the screen.
frame_is() {
    local got
    got=$(frame "$1") || fail "$3 is not on the screen"
    framed "$1" || { seen="it is not framed yet"; return 1; }
    got=${got% *}
    seen="it is at $got"
    # shellcheck disable=SC2053
    [[ $got == $2 ]]
}
expect_frame() { await "$3 with its outer frame at $2 (x y w h)" frame_is "$1" "$2" "$3"; }

# Twips to pixels as the program rounds them: to the nearest, halves up.
pixels() { echo $(((2 * $1 + 15) / 30)); }

# Places on the main window's client area, in pixels from its top-left corner,
# as places on the screen.
at_x() { echo $((client_x + $1)); }
at_y() { echo $((client_y + $1)); }

# A window manager holds a click on a window until it has raised and focused
# the window, while keys go on to the window that has the focus, and the
# pointer cannot move while the click is held. So each gesture of the mouse
# goes in one xdotool command that ends with a nudge of the pointer, and the
# drill waits until the pointer has moved: the gesture has then gone through.
# Arguments: where the gesture ends, then its commands.
gesture() {
    local x=$(($1 + 1)) y=$(($2 + 1))
    shift 2
    xdotool "$@" mousemove "$x" "$y"
    await "the pointer to move after a gesture of the mouse" pointer_is_at "$x" "$y"
}
pointer_is_at() { [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]]; }

# Two presses at one spot within the double-click time (400 ms) make a double
# click, however they were meant: a press where the last one went first waits
# until half a second has passed since that one had gone through.
last_press_x=-100 last_press_y=-100 last_press_time=0
press_apart() {
    local wait_us
    if (($1 - last_press_x < 8 && last_press_x - $1 < 8 && $2 - last_press_y < 8 && last_press_y - $2 < 8)); then
        wait_us=$((last_press_time + 500000 - ${EPOCHREALTIME/./}))
        ((wait_us <= 0)) || sleep "$(printf '%d.%06d' $((wait_us / 1000000)) $((wait_us % 1000000)))"
    fi
}
pressed() { last_press_x=$1 last_press_y=$2 last_press_time=${EPOCHREALTIME/./}; }

# A click on the main window, with a key held if one is given (shift, ctrl).
click() {
    local x y
    x=$(at_x "$1") y=$(at_y "$2")
    press_apart "$x" "$y"
    if [[ -n ${3:-} ]]; then
        gesture "$x" "$y" mousemove "$x" "$y" keydown "$3" click 1 keyup "$3"
    else
        gesture "$x" "$y" mousemove "$x" "$y" click 1
    fi
    pressed "$x" "$y"
}
right_click() {
    local x y
    x=$(at_x "$1") y=$(at_y "$2")
    gesture "$x" "$y" mousemove "$x" "$y" click 3
}
# The two clicks of a double click are sent at once, so that the X server
# stamps them well within the double-click time however slow the machine.
double_click() {
    local x y
    x=$(at_x "$1") y=$(at_y "$2")
    press_apart "$x" "$y"
    gesture "$x" "$y" mousemove "$x" "$y" mousedown 1 mouseup 1 mousedown 1 mouseup 1
    pressed "$x" "$y"
}
# A press at one place on the screen, a move in steps to another and a release there.
drag_on_screen() {
    local from_x=$1 from_y=$2 to_x=$3 to_y=$4 step moves=()
    for step in 1 2 3 4 5; do
        moves+=(mousemove $((from_x + (to_x - from_x) * step / 5)) $((from_y + (to_y - from_y) * step / 5)))
    done
    press_apart "$from_x" "$from_y"
    gesture "$to_x" "$to_y" mousemove "$from_x" "$from_y" mousedown 1 "${moves[@]}" mouseup 1
    pressed "$from_x" "$from_y"
}
# The same on the main window.
drag() { drag_on_screen "$(at_x "$1")" "$(at_y "$2")" "$(at_x "$3")" "$(at_y "$4")"; }

# Keys go to the window that has the keyboard focus; a click gives it to the
# main window, through the window manager or the program, so keys wait for it.
has_focus() { [[ $(xdotool getwindowfocus) == "$1" ]]; }
focus_in_main() { await "the keyboard focus in the main window" has_focus "$main"; }
keys() { focus_in_main; xdotool key --delay 40 "$@"; }
type_text() { focus_in_main; xdotool type --delay 40 "$1"; }

# The learner moves a window so that its frame's corner goes to X Y: under a
# window manager by dragging its title bar, without one there is none and the
# window is simply moved.
move_window() {
    local id=$1 x=$2 y=$3 what=$4 fx fy fw fh top from_x from_y step
    read -r fx fy fw fh top < <(frame "$id") || fail "$what is not on the screen"
    if [[ -n $wm ]]; then
        # The window manager follows the title bar's drag step by step.
        from_x=$((fx + fw / 2)) from_y=$((fy + top / 2))
        xdotool mousemove $from_x $from_y mousedown 1
        for step in 1 2 3 4 5; do
            xdotool mousemove $((from_x + (x - fx) * step / 5)) $((from_y + (y - fy) * step / 5))
        done
        gesture $((from_x + x - fx)) $((from_y + y - fy)) mouseup 1
    else
        xdotool windowmove "$id" "$x" "$y"
    fi
    expect_frame "$id" "$x $y $fw $fh" "$what moved by the learner"
}

# The learner copies the text of the box that has the focus (Ctrl+A, Ctrl+C,
# or the keys given second) into $copied. The clipboard first holds a marker of ours, so that what is
# read is the program's copy, not an older one.
clipboard_is() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
clipboard_taken() { copied=$(xclip -o -selection clipboard 2>/dev/null) && [[ $copied != "$marker" ]]; }
copy_text() {
    marker="marker $RANDOM$RANDOM"
    printf %s "$marker" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    clip_pid=$!
    await "the clipboard to hold our marker" clipboard_is "$marker"
    keys ${2:-ctrl+a ctrl+c}
    await "the copy of $1's text" clipboard_taken
}

# A popup of the program (the count box's context menu) on the screen.
popup_open() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^vornath$'); do
        xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}

# The program's dialogs: a verdict, titled "Vornath" like the main window, or
# the warning that no model is chosen, titled "Προσοχή !!!". Sets $found and
# $kind to the one on the screen.
dialog_open() {
    found=$(xdotool search --onlyvisible --name '^Vornath$' | grep -vx "$main" | head -n 1) || true
    kind=verdict
    if [[ -z $found ]]; then
        found=$(xdotool search --onlyvisible --name '^Προσοχή !!!$' | head -n 1) || true
        kind=warning
    fi
    [[ -n $found ]]
}
# A dialog kind as the learner sees it.
describe() {
    case $1 in
    verdict) echo 'the verdict box "Vornath"' ;;
    warning) echo 'the warning box "Προσοχή !!!" (no model chosen)' ;;
    esac
}

# Waits for the dialog that the last step opens, fails unless it is the one
# expected, and closes it with Return.
answer_dialog() {
    local want=$1 why=$2 dialog
    await "$(describe "$want") after $why" dialog_open
    [[ $kind == "$want" ]] || fail "after $why came $(describe "$kind"), not $(describe "$want")"
    dialog=$found
    xdotool windowfocus "$dialog"
    await "the keyboard focus in $(describe "$kind")" has_focus "$dialog"
    xdotool key Return
    await "$(describe "$kind") to close" not on_screen "$dialog"
}

# Model 1's answer is 0106000000001016: a right answer brings the group card
# of class 20, a 1024 x 228 system card above a 1019 x 368 class card:
# 1024 * 15 + 60 + 100 twips wide, (228 + 368) * 15 + 2 * 60 + 550 high.
answer=0106000000001016
card_title='Κάρτα Ομάδας  - Ardelvo'
card_w=$(pixels $((1024 * 15 + 60 + 100)))
card_h=$(pixels $(((228 + 368) * 15 + 120 + 550)))
# Waits for the group card after the step named and sets $card; checks that
# its frame has the cards' size, or is "X Y W H" if given.
expect_card() {
    find_window "$card_title" "the group card after $1"
    card=$found
    if [[ -n ${2:-} ]]; then
        expect_frame "$card" "$2" "the group card back where the learner had left it"
    else
        expect_frame "$card" "* * $card_w $card_h" "the group card"
    fi
}

viewer_title='Μοντέλο κρυστάλλου εξάσκησης'

# Places on the main window's client area: count box k's middle (the boxes
# stand 40 pixels apart from y 40), model list entry p's middle (the list
# starts at y 160, an entry is 16 pixels high), the buttons' middles, and the
# result box (x 152 to 313, y 592 to 617).
box_x=108
box_y() { echo $((40 * ($1 + 1) + 16)); }
list_x=200
entry_y() { echo $((160 + 16 * $1 + 8)); }
button_x=232 restart_y=64 accept_y=124 exit_y=648
result_y=604

# Steps count box k from 0 to n with double clicks, reading the box after
# each. A window manager holds each click until it has let it through, and on
# a busy machine it has been seen to lose the second click of a pair: a count
# left as it was is such a lost double click and is tried again, a few times.
step_to() {
    local k=$1 n=$2 count try
    for count in $(seq "$n"); do
        for try in 1 2 3; do
            double_click $box_x "$(box_y "$k")"
            copy_text "count box $k"
            [[ $copied == "$count" ]] && break
            [[ $copied == $((count - 1)) ]] ||
                fail "count box $k holds \"$copied\" after a double click on $((count - 1)), not $count"
        done
        [[ $copied == "$count" ]] || fail "count box $k stayed at $((count - 1)) after three double clicks"
    done
}

# Clicks into count box k and types the count: the click selects the box's
# text, so the count replaces it.
type_count() {
    click $box_x "$(box_y "$1")"
    type_text "$2"
}

# The pictures: links to the built ones, with model 05's cut short.
mkdir "$scratch/pictures"
mkdir -m 700 "$scratch/runtime"
for picture in "$pictures"/*.bmp; do ln -s "$picture" "$scratch/pictures/"; done
rm "$scratch/pictures/CrystalModel_05.bmp"
head -c 20 "$pictures/CrystalModel_05.bmp" >"$scratch/pictures/CrystalModel_05.bmp"
damaged=$(cd "$scratch/pictures" && pwd -P)/CrystalModel_05.bmp

# Qt warns on standard error when XDG_RUNTIME_DIR is not set, as a desktop
# session always sets it; outside one (CI) the drill gives it one.
cd "$scratch/pictures"
XDG_RUNTIME_DIR=$scratch/runtime "$program" 2>"$errors" &
pid=$! should_run=yes
trap 'kill $pid ${wm_pid:-} ${clip_pid:-} 2>/dev/null || true; rm -rf "$scratch"' EXIT

find_window '^Vornath$' "the main window"
main=$found
expect_frame "$main" "0 0 *" "the main window"
read -r main_x main_y main_w main_h _ < <(frame "$main")
read -r client_x client_y client_w client_h < <(xwininfo -id "$main" |
    awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
         /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
[[ "$client_w $client_h" == "320 683" ]] || fail "the main window's client area is ${client_w}x${client_h}, not 320x683"

# The viewer of a 300 x 240 picture: 300 * 15 + 100 by 240 * 15 + 500 twips,
# at the top, 10 twips right of the main window's outer right edge.
viewer_frame="$(pixels $((15 * (main_x + main_w) + 10))) 0 $(pixels $((300 * 15 + 100))) $(pixels $((240 * 15 + 500)))"

# Press on "Ξύλινο μοντέλο 03", drag to "Ξύλινο μοντέλο 01" and let go there.
drag $list_x "$(entry_y 2)" $list_x "$(entry_y 0)"
find_window "$viewer_title" "the viewer of model 01"
viewer=$found
expect_frame "$viewer" "$viewer_frame" "the viewer of model 01"

# Model 05's picture is damaged: choosing it hides the viewer.
if checking damaged-picture; then
    click $list_x "$(entry_y 4)"
    await "the viewer leaving the screen for model 05, whose picture is damaged" not on_screen "$viewer"
fi

# A Shift+click picks model 02 as a click does (and shows the viewer again).
if checking list-modifiers; then click $list_x "$(entry_y 1)" shift; else click $list_x "$(entry_y 1)"; fi
find_window "$viewer_title" "the viewer of model 02"
viewer=$found
expect_frame "$viewer" "$viewer_frame" "the viewer of model 02"

if [[ -n $wm ]]; then
    # Closed by the learner, it is made anew by the next choice, at its place and size.
    wmctrl -i -c "$viewer"
    await "the viewer closing by its frame" not on_screen "$viewer"
    click $list_x "$(entry_y 0)"
    find_window "$viewer_title" "the viewer made anew"
    viewer=$found
else
    click $list_x "$(entry_y 0)"
fi
expect_frame "$viewer" "$viewer_frame" "the viewer of model 01 again"

# The learner moves the viewer away. A Ctrl+click on the highlighted entry
# keeps model 01 chosen and picks it again, which puts the viewer back at its
# place; it never leaves the screen.
move_window "$viewer" 800 400 "the viewer"
if checking list-modifiers; then click $list_x "$(entry_y 0)" ctrl; else click $list_x "$(entry_y 0)"; fi
expect_frame "$viewer" "$viewer_frame" "the viewer after a Ctrl+click on its model's highlighted entry"

# Round one: click into each count box and type its count over the 0 it holds.
for k in $(seq 0 15); do type_count "$k" "${answer:k:1}"; done
if [[ -n $shots ]]; then
    read -r viewer_x _ viewer_w _ _ < <(frame "$viewer")
    sleep 0.3
    import -window root -crop "$((viewer_x + viewer_w))x$((main_y + main_h))+0+0" +repage "$shots/main-and-viewer.png"
fi
if checking menu-focus; then
    # "11" typed over count box 1's count, its context menu opened and closed
    # with Escape, then BackSpace: the focus's return from the menu is no
    # arrival, so nothing was selected and the caret is still at the end.
    type_count 1 11
    right_click $box_x "$(box_y 1)"
    await "count box 1's context menu" popup_open
    keys Escape
    await "the context menu closing on Escape" not popup_open
    keys BackSpace
    copy_text "count box 1"
    [[ $copied == 1 ]] || fail "count box 1 holds \"$copied\", not \"1\", after 11 typed, its context menu closed with Escape and BackSpace: the focus's return from the menu selected the text"
fi
click $button_x $accept_y
answer_dialog verdict "the counts of model 01 were typed (the model chosen last by a Ctrl+click)"
expect_card "the counts of model 01 were typed"
# The learner moves the card: without a window manager it opens at the screen's
# corner, over the main window; with one, to a place well away from where the
# manager put it (the farther of two that leave the main window free).
read -r card_x card_y _ _ _ < <(frame "$card")
if [[ -n $wm ]]; then
    if (((card_x - 360) ** 2 + (card_y - 40) ** 2 > (card_x - 520) ** 2 + (card_y - 500) ** 2)); then
        move_window "$card" 360 40 "the group card"
    else
        move_window "$card" 520 500 "the group card"
    fi
    read -r card_x card_y _ _ _ < <(frame "$card")
else
    move_window "$card" 600 0 "the group card"
fi

if checking result-drag; then
    # The press that brings the focus to the result box places the caret at the
    # start of its text, and the drag past its end selects it all, so the
    # answer typed replaces the pattern.
    drag 155 $result_y 310 $result_y
    copy_text "the result box's selection" ctrl+c
    [[ $answer == "$copied"* ]] ||
        fail "the press into the result box and the drag selected \"$copied\", not the start of its text \"$answer\""
    # On a busy machine Qt may take the drag's last steps after its release
    # (it keeps only the newest of the moves that wait for it); the press and
    # the drag have shown what they do, and the keyboard selects the rest.
    [[ $copied == "$answer" ]] || keys shift+End
    type_text "$answer"
    copy_text "the result box"
    [[ $copied == "$answer" ]] || fail "the result box holds \"$copied\", not the \"$answer\" typed over its text selected by a press and drag"
fi

if checking enter-keys; then
    # "Αποδοχή" pressed with Return, the focus moved to it from the result box
    # by Tab, past "Επανεκκίνηση". Its verdict is modal, so the click on
    # "Επανεκκίνηση" that follows is lost; without a verdict the click would
    # go through and take the group card away.
    click 200 $result_y
    keys Tab Tab Return
    click $button_x $restart_y
    verdict_or_no_card() { dialog_open || not visible "$card_title"; }
    await "a verdict for Return on \"Αποδοχή\"" verdict_or_no_card
    dialog_open || fail "Return on the focused \"Αποδοχή\" did not press it: no verdict came, and a click on \"Επανεκκίνηση\" after it went through"
else
    click $button_x $accept_y
fi
answer_dialog verdict "the answer was typed into the result box"
expect_card "the answer was typed into the result box"

# "Επανεκκίνηση" takes the card away: pressed with the keypad's Enter, the
# focus moved to it from the result box by Tab. "Αποδοχή" then judges the
# cleared counts, which brings no card.
if checking enter-keys; then
    click 200 $result_y
    keys Tab KP_Enter
else
    click $button_x $restart_y
fi
click $button_x $accept_y
answer_dialog verdict "\"Επανεκκίνηση\" and \"Αποδοχή\""
not visible "$card_title" || fail "\"Επανεκκίνηση\" left the group card on the screen"

# Round two: double clicks step the counts to the answer once more (and Tab
# from count box 13 into 14 selects its 0 for a key).
step_to 1 1
step_to 3 6
step_to 12 1
step_to 15 6
click $box_x "$(box_y 13)"
keys Tab 1
click $button_x $accept_y
answer_dialog verdict "the counts of model 01 were stepped"
# Under a window manager the card comes back where the learner had left it.
if [[ -n $wm ]]; then
    expect_card "the counts were stepped" "$card_x $card_y $card_w $card_h"
else
    expect_card "the counts were stepped"
fi

if [[ -n $shots ]]; then
    read -r card_x card_y _ _ _ < <(frame "$card")
    sleep 0.3
    import -window root -crop "${card_w}x${card_h}+${card_x}+${card_y}" +repage "$shots/group-card.png"
fi

# "ΕΞΟΔΟΣ" ends the program at once, with status 0. (The click is not
# followed up: without a window manager the X server may start afresh as its
# last client leaves.)
xdotool mousemove "$(at_x $button_x)" "$(at_y $exit_y)" click 1
ended() { not kill -0 "$pid" 2>/dev/null; }
should_run=""
await "the program's end after \"ΕΞΟΔΟΣ\"" ended
status=0
wait "$pid" || status=$?
[[ $status == 0 ]] || fail "the program ended with status $status"

# Nothing went to standard error but one line for the damaged picture: its
# absolute name and why it could not be loaded.
mapfile -t lines <"$errors"
if checking damaged-picture; then
    ((${#lines[@]} == 1)) && [[ ${lines[0]} == "vornath: $damaged: "?* ]] ||
        fail "standard error holds ${#lines[@]} lines, not the one \"vornath: $damaged: <reason>\""
else
    ((${#lines[@]} == 0)) || fail "standard error holds ${#lines[@]} lines, not none"
fi
echo "1 passed, 0 failed"
