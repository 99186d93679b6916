#!/bin/sh
# Runs the window-manager tests ($1) on a private X server with openbox.
# Without Xvfb or openbox the tests run anyway and skip, saying why.
test_programm=$1
for befehl in Xvfb openbox; do
    if ! command -v "$befehl" >/dev/null 2>&1; then
        VAPRO_OHNE_FENSTERMANAGER="$befehl is not installed (Debian packages xvfb, openbox)" \
            exec "$test_programm"
    fi
done
ordner=$(mktemp -d)
trap 'kill $wm $xserver 2>/dev/null; rm -rf "$ordner"' EXIT
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$ordner/display" 2>/dev/null &
xserver=$!
i=0
while [ ! -s "$ordner/display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
DISPLAY=:$(cat "$ordner/display")
export DISPLAY
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager announces itself on the root window once it runs.
i=0
while [ $i -lt 100 ]; do
    if command -v xprop >/dev/null 2>&1; then
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    elif [ $i -ge 20 ]; then
        break
    fi
    sleep 0.1
    i=$((i + 1))
done
HOME=$ordner XDG_CONFIG_HOME=$ordner XDG_RUNTIME_DIR=$ordner "$test_programm"
