#!/usr/bin/env bash
# The play session as a parent's login screen starts it: the session entry's command (cage
# running the program) started as an unprivileged user, with no display of its own (cage's
# output is a window in a private Xvfb), and the program taken from the unpacked package. Checks run as that user by play-session-user.sh:
# the program is cage's only client and covers the output, a key is heard, a VT-switch key
# switches nothing, and leaving full screen with the parent's gesture ends the program and cage.
#   play-session-test.sh DEB     (as root: the user is made by tools/as-test-user.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
# Everything the user needs is staged into a world-readable folder: the tree itself may sit
# where that user cannot read (a clone under /root).
stage=$(mktemp -d /tmp/pommelot-play-session.XXXXXX)
# POMMELOT_KEEP_STAGE=1 keeps the staged files and logs for a look after a failure.
cleanup() { [ -n "${POMMELOT_KEEP_STAGE:-}" ] || rm -rf "$stage"; }
trap cleanup EXIT
chmod 0755 "$stage"
dpkg-deb -x "$deb" "$stage/root"
cp "$here/play-session-user.sh" "$here/wayland-cover.awk" "$stage/"
mkdir -m 0777 "$stage/out"
mkdir "$stage/home"
bash "$here/../../tools/as-test-user.sh" true # makes the user
chown pommelot-test: "$stage/home"
bash "$here/../../tools/as-test-user.sh" bash "$stage/play-session-user.sh" "$stage"
