#!/bin/sh
# Drives the real program on a virtual desktop (Xvfb with the openbox window
# manager) through a whole tournament, by keyboard and mouse, as a person would:
# start the first tournament, add four players, build two teams, save a game,
# delete it, view the results, put the standings on the projector display. Then
# checks the files, the pages, that the viewer opened and that neither the viewer
# nor the display took the focus. Screenshots of each window are kept in the output folder.
# Usage (under xvfb-run): desktop-drive.sh PROGRAM OUTPUT-FOLDER
set -eu
program=$(realpath "$1")
out=$2
for tool in xvfb-run openbox xdotool xprop xwd xwdtopnm pnmtopng; do
    command -v "$tool" >/dev/null 2>&1 && continue
    echo "desktop drive skipped: $tool is missing (scripts/install-deps installs it)"
    exit 77
done
if [ -z "${CORVANE_ON_XVFB:-}" ]; then
    CORVANE_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
fi
unset QT_QPA_PLATFORM # the real platform, not the tests' offscreen one
mkdir -p "$out"
rm -f "$out"/*.png
work=$(mktemp -d)
wm=""
app=""

# The viewers the program started and left open: by their windows, confirmed
# by the process name, so nothing else is ever ended.
open_viewers() {
    for w in $(xdotool search --onlyvisible --name "Tournament Results - " 2>/dev/null); do
        pid=$(xdotool getwindowpid "$w" 2>/dev/null) || continue
        [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = corvane-viewer ] && echo "$pid"
    done | sort -u
}
finish() {
    for pid in $(open_viewers) ${display_pid:-} $app $wm; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "desktop drive: $*" >&2
    shot failure || true
    exit 1
}
shot() {
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out/$1.png" 2>/dev/null
}
# Every wait is for something the program does, however long a loaded machine
# takes; the limit (checks 0.2 s apart) only turns "never" into a failure.
limit=600
until_true() { # CONDITION MESSAGE
    i=0
    until eval "$1"; do
        i=$((i + 1))
        [ $i -lt $limit ] || fail "$2"
        sleep 0.2
    done
}
# The id of the visible window whose title matches, once there is one; fails without.
# Asked again and again rather than with --sync: a search that meets a window
# closing under it (a message box just answered) ends at once with nothing.
window() {
    j=0
    while [ $j -lt $limit ]; do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return 0
        j=$((j + 1))
        sleep 0.2
    done
    return 1
}
gone() {
    until_true "! xdotool search --onlyvisible --name '$1' >/dev/null 2>&1" "window '$1' did not close"
}
focus() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
    sleep 0.3
}
keys() {
    xdotool key --delay 80 "$@"
    sleep 0.3
}
typed() {
    xdotool type --delay 60 "$1"
}
# Clicks at a point given in thousandths of a window's width and height.
click_at() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" $((WIDTH * $2 / 1000)) $((HEIGHT * $3 / 1000)) click 1
    sleep 0.5
}
# True if window $1 is stacked above window $2 (the list runs from the bottom up).
above() {
    order=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x')
    first=$(printf '%s\n' "$order" | grep -n -i -x "$(printf '0x%x' "$1")" | cut -d: -f1)
    second=$(printf '%s\n' "$order" | grep -n -i -x "$(printf '0x%x' "$2")" | cut -d: -f1)
    [ -n "$first" ] && [ -n "$second" ] && [ "$first" -gt "$second" ]
}
# Answers the message box with this caption by its default button (Yes or OK).
answer() {
    box=$(window "^$1\$") || fail "no '$1' message"
    focus "$box"
    keys Return
    gone "^$1\$"
}
closed() { # closes the dialog of this title with Alt+F4
    focus "$dialog"
    keys alt+F4
    gone "^$1\$"
}
# Runs the command; a publish shows the standings in the viewer already open,
# reloaded in place: still one, the same process.
keeps_viewer() { # MESSAGE COMMAND...
    message=$1
    shift
    before=$(open_viewers)
    "$@"
    sleep 1
    [ -n "$before" ] && [ "$(open_viewers)" = "$before" ] || fail "$message"
}

openbox >/dev/null 2>&1 &
wm=$!
sleep 1
(cd "$work" && exec "$program") >"$out/corvane.log" 2>&1 &
app=$!
main=$(window "^Corvane Tournament Software v1.2\$") || fail "the main window did not open"
sleep 1
shot 01-main-window-no-tournament

# The first tournament: the mouse on the "Tournament" menu, then the item's mnemonic.
focus "$main"
xdotool mousemove --window "$main" 40 10 click 1
sleep 0.5
keys s
until_true '[ -f "$work/tournament.dat" ]' "no tournament.dat after Start New Tournament"
shot 02-main-window-first-tournament
# The four buttons, 14 of every 20 dialog units down the 88 units below the menu
# bar, counted from the window's bottom. The window is wider than its template,
# so the unit is taken from the height less a menu bar of about 25 pixels: a few
# pixels off there move a click by less than a third of a button.
press_button() { # index 0..3
    focus "$main"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    unit1000=$(((HEIGHT - 25) * 1000 / 88))
    xdotool mousemove --window "$main" $((50 * unit1000 / 1000)) \
        $((HEIGHT - (88 - 7 - 7 - 20 * $1) * unit1000 / 1000)) click 1
    sleep 0.5
}

press_button 0
dialog=$(window "^Add Player\$") || fail "Add Player did not open"
for name in Ann Bob Cy Dee; do
    focus "$dialog"
    typed "$name"
    keys Tab space
    answer Warning
    focus "$dialog"
    keys shift+Tab
done
shot 03-add-player
closed "Add Player"

press_button 1
dialog=$(window "^Team Builder\$") || fail "Team Builder did not open"
for team in 1 2; do # the first two available players: a click, then the keyboard
    focus "$dialog"
    click_at "$dialog" 60 $((19 * 1000 / 232))
    keys Down space Tab space
    answer Warning
done
shot 04-team-builder
closed "Team Builder"

press_button 2
dialog=$(window "^Enter Game Results\$") || fail "Enter Game Results did not open"
focus "$dialog"
# Team 1, its score and flags; Team 2, its score; then Save.
keys Down Tab ctrl+a
typed 150
keys Tab ctrl+a
typed 2
keys Tab Down Down Tab ctrl+a
typed 120
keys Tab Tab space
answer Warning
viewer=$(window "Tournament Results - ") || fail "the viewer did not open after Save"
# The organiser goes on typing in the dialog: the viewer came up below it, without the focus.
sleep 1
[ "$(xdotool getwindowfocus)" = "$dialog" ] || fail "the viewer took the focus after Save"
until_true 'above "$dialog" "$viewer"' "the viewer came up over the dialog"
until_true 'grep -q "TEAM1_SCORE 150" "$work/Tournament1/games.txt"' "the game was not saved"
sleep 2 # for the screenshot only: the page's drawing
shot 05-viewer-after-save
focus "$dialog"
shot 06-game-results
# The saved game from the list with the mouse, then Delete from the keyboard.
delete_game() {
    click_at "$dialog" 400 $((72 * 1000 / 315))
    keys Tab space
    answer Warning
    until_true '[ ! -s "$work/Tournament1/games.txt" ]' "the game was not deleted"
}
keeps_viewer "the viewer was replaced after Delete" delete_game
closed "Enter Game Results"
keeps_viewer "the open viewer was replaced" press_button 3
shot 07-viewer-results

# What a person would find on disk.
folder=$work/Tournament1
[ "$(cat "$work/tournament.dat")" = "TOURNAMENT 1" ] || fail "tournament.dat"
[ "$(grep -c '^PLAYER ' "$folder/players.txt")" -eq 4 ] || fail "players.txt"
grep -qx "TEAM Ann & Bob" "$folder/teams.txt" || fail "teams.txt has no Ann & Bob"
grep -qx "TEAM Cy & Dee" "$folder/teams.txt" || fail "teams.txt has no Cy & Dee"
for page in tournament.html AnnBob.html CyDee.html title.jpg back.jpg; do
    [ -s "$folder/$page" ] || fail "$page is missing"
done
grep -q "Teams with 0 games completed" "$folder/tournament.html" || fail "leader board"

# The projector display, from the View menu, leaves the focus with the main
# window; publishing again leaves it running, the same process.
focus "$main"
keys alt+v p
display=$(window "^Standings Display - ") || fail "the projector display did not open"
display_pid=$(xdotool getwindowpid "$display")
sleep 1
[ "$(xdotool getwindowfocus)" = "$main" ] || fail "the projector display took the focus"
keeps_viewer "publishing replaced the open viewer" press_button 3
kill -0 "$display_pid" 2>/dev/null || fail "publishing ended the projector display"
sleep 1
shot 08-projector-display
kill "$display_pid"

focus "$main"
keys alt+F4
until_true '! kill -0 "$app" 2>/dev/null' "the program did not end when its window closed"
app=""
echo "desktop drive: whole tournament driven; screenshots in $out"
